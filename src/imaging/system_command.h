#ifndef GLYPHRIG_IMAGING_SYSTEM_COMMAND_H_
#define GLYPHRIG_IMAGING_SYSTEM_COMMAND_H_

#include <iosfwd>
#include <string>

#include "imaging/command_runner.h"

namespace glyphrig {

// Runs one of the program's command lines on this system and waits for it.
// "cls" clears the console through `console`, which is also flushed before any
// program starts so that text and the program's own output keep their order;
// the program writes to the same console, unless its output is hidden. A
// program that cannot be started gets one line on `errors` that says why.
//
// The image tools are found in the working tree's imagemagick folder, with
// or without their .exe, or else on the system. Where only ImageMagick 7's
// magick is there, it stands in: as itself for convert (its own
// "magick convert" warns on every call) and as "magick composite".
command_end run_system_command(const std::string& command_line, tool_output output,
                               std::ostream& console, std::ostream& errors);

}  // namespace glyphrig

#endif  // GLYPHRIG_IMAGING_SYSTEM_COMMAND_H_
