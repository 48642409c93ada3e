#ifndef GLYPHRIG_IMAGING_CMD_ESCAPE_H_
#define GLYPHRIG_IMAGING_CMD_ESCAPE_H_

#include <string>
#include <string_view>

// Makes one of the program's command lines safe to hand to Windows' command
// interpreter (cmd.exe /c, through the C runtime's `system`): every character
// that cmd.exe or the started program's argument splitter would act on
// reaches the program as typed, and nothing on the line ever starts a second
// command, redirects or expands a variable. Letters, digits, `#`, spaces and
// the program's paths with their backslashes pass unchanged.
//
// The line must hold no quoting of its own: the only text a user puts into
// one is a colour code, a single word, and the program's own text has none of
// the characters treated here.
std::string cmd_escape(std::string_view command_line);

#endif  // GLYPHRIG_IMAGING_CMD_ESCAPE_H_
