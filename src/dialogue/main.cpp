// Glyphrig: asks for a typeface, a tint and a line of text, and draws the line
// into result.png in the working directory with ImageMagick.

#include <iostream>
#include <string>

#include "dialogue/console_text.h"
#include "dialogue/run_flow.h"
#include "imaging/interrupts.h"
#include "imaging/system_command.h"

int main() {
  const glyphrig::command_runner run_command = [](const std::string& command_line,
                                                  glyphrig::tool_output output) {
    return glyphrig::run_system_command(command_line, output, std::cout, std::cerr);
  };
  const glyphrig::utf8_console console;
  return glyphrig::run_glyphrig(std::cin, std::cout, run_command, glyphrig::pause_console);
}
