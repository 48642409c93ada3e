#ifndef GLYPHRIG_IMAGING_WORKING_TREE_H_
#define GLYPHRIG_IMAGING_WORKING_TREE_H_

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "imaging/image_commands.h"
#include "request/font_kind.h"
#include "request/glyph_line.h"
#include "request/render_request.h"

namespace glyphrig {

// Paths in the working tree, relative to the working directory and written
// with the separators the command lines use. The tools and the clean-up
// script are named the Windows way; the command layer of each system knows
// how to run them.
inline constexpr std::string_view kConvertTool = "imagemagick\\convert.exe";
inline constexpr std::string_view kCompositeTool = "imagemagick\\composite.exe";
inline constexpr std::string_view kCleanUpScript = "alphabet\\remove_temp.bat";

// The picture each run writes anew and every finishing step rewrites.
inline constexpr std::string_view kResultPicture = "result.png";

inline constexpr std::string_view kStreetBackground = "alphabet/street/background_street.png";
// The pieces that a sign for a longer line is joined from.
inline constexpr std::string_view kSignLeft = "alphabet/street/background_left.png";
inline constexpr std::string_view kSignMiddle = "alphabet/street/background_middle.png";
inline constexpr std::string_view kSignRight = "alphabet/street/background_right.png";
inline constexpr std::string_view kFixedPlate = "alphabet/car/background_car.png";
inline constexpr std::string_view kPlateLeft = "alphabet/car/background_left.png";
inline constexpr std::string_view kPlateMiddle = "alphabet/car/background_middle.png";
inline constexpr std::string_view kPlateRight = "alphabet/car/background_right.png";

// The file that a run holds locked while it draws (folder_lock.h).
inline constexpr std::string_view kRunLock = "alphabet/run.lock";

// Whether the working directory is no working tree at all (it has no
// alphabet folder); if so, the one line that says where to start glyphrig.
std::optional<std::string> not_a_working_tree();

// Whether the working directory or its alphabet folder cannot be written, as
// under Program Files on Windows; if so, the one line that says so. Found out
// by making and removing a file of our own: permission bits say nothing for
// root, nor for Windows' access lists.
std::optional<std::string> cannot_write_here();

// Whether the working directory lacks a folder or a background that this
// run's commands read, or holds a background that is no whole PNG; if so, the
// one line that says what is missing or damaged and how to get it. The tools
// themselves are found, or missed, by the command layer.
std::optional<std::string> missing_tree_part(const render_request& request);

// Whether a glyph picture that the strip names is missing from the font's
// folder, as in a tree laid out before the program drew those characters;
// if so, the one line that names the first.
std::optional<std::string> missing_glyph_picture(const typeface& face,
                                                 const std::vector<glyph_code>& glyphs);

// The sizes of the street sign's pictures, or none where one is no whole PNG.
std::optional<sign_art> street_sign_art();

// The line that names a damaged picture of the tree, `what` saying which kind.
std::string damaged_tree_part(std::string_view path, std::string_view what);

// When ImageMagick cannot join the pictures it writes each one apart, as
// result-0.png, result-1.png and so on; removes those of a line of
// `pictures` glyphs, and says whether there were any.
bool remove_unjoined_pictures(size_t pictures);

}  // namespace glyphrig

#endif  // GLYPHRIG_IMAGING_WORKING_TREE_H_
