#ifndef GLYPHRIG_TESTS_STAND_IN_PICTURES_H_
#define GLYPHRIG_TESTS_STAND_IN_PICTURES_H_

#include <string>
#include <string_view>
#include <vector>

// Real PNG files for the tests' working trees, and a stand-in for ImageMagick
// that makes pictures of the sizes the real tools would make: enough for a run
// that checks each picture's header and end, with no pixels drawn. Shared by
// the in-process runs and the stand-in tool programs (stand_in_tool.cpp), on
// Linux and under Wine, so it uses nothing of the program.

// A whole PNG of that size, every pixel black: 8-bit grey, stored without
// compression.
std::string blank_png(int width, int height);

// What `tool` ("convert" or "composite"; for ImageMagick 7's magick, a first
// argument "composite" makes it composite) would write at its last argument
// for one of the program's commands, as far as sizes go: the inputs joined
// (+append), cut (-crop -N+0 or +N+0), drawn out (-sample WxH!) or copied, or
// the background's size for composite. Input pictures that are not there or not whole are left out,
// as ImageMagick leaves them out; with none, nothing is written.
void draw_as(std::string_view tool, std::vector<std::string> arguments);

// The same for one of the program's command lines, Windows paths and all, in
// the working directory; other commands draw nothing.
void draw_as_image_tools(const std::string& command_line);

#endif  // GLYPHRIG_TESTS_STAND_IN_PICTURES_H_
