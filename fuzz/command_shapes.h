#ifndef GLYPHRIG_FUZZ_COMMAND_SHAPES_H_
#define GLYPHRIG_FUZZ_COMMAND_SHAPES_H_

#include <string_view>

// Whether `line` is a command line the program can make: the screen clear,
// the strip of one font's glyphs, the tint with one typed or listed colour,
// the street sign, one of the plate commands, or the clean-up script. Written
// from the command formats themselves rather than from the program's
// builders, so a builder that goes wrong cannot agree with it by accident.
bool is_program_command(std::string_view line);

#endif  // GLYPHRIG_FUZZ_COMMAND_SHAPES_H_
