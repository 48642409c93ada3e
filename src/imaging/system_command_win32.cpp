// Windows runs the program's command lines as they are written: cmd.exe
// knows "cls", the backslash paths, the .exe tools and the .bat script. Only
// the typed colour code needs care, and the escaping takes it through cmd.exe
// and the tool's argument splitter unchanged.

#define WIN32_LEAN_AND_MEAN
#include <windows.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ostream>

#include "imaging/cmd_escape.h"
#include "imaging/system_command.h"
#include "imaging/working_tree.h"

namespace {

// cmd.exe's exit status when it finds no program of the given name.
constexpr int kNotFound = 9009;

std::string program_of(const std::string& command_line) {
  return command_line.substr(0, command_line.find(' '));
}

std::string hint_for(const std::string& program) {
  if (program == kConvertTool || program == kCompositeTool) {
    return "put ImageMagick's convert.exe and composite.exe into the imagemagick folder "
           "(see imagemagick\\README.txt)";
  }
  return "start glyphrig in its own folder, beside alphabet and imagemagick";
}

}  // namespace

void run_system_command(const std::string& command_line, std::ostream& console,
                        std::ostream& errors) {
  // The interpreter and the tools write to the same console; what the
  // program wrote before, still in a buffer of the stream or the C runtime,
  // goes first.
  console.flush();
  std::fflush(nullptr);
  const int status = std::system(cmd_escape(command_line).c_str());
  if (status == -1) {
    errors << "glyphrig: cannot start the command interpreter: " << std::strerror(errno) << '\n'
           << std::flush;
  } else if (status == kNotFound) {
    const std::string program = program_of(command_line);
    errors << "glyphrig: cannot run \"" << program << "\": not found; " << hint_for(program) << '\n'
           << std::flush;
  }
}

void pause_console(std::chrono::milliseconds duration) {
  Sleep(static_cast<DWORD>(duration.count()));
}
