#ifndef GLYPHRIG_IMAGING_IMAGE_COMMANDS_H_
#define GLYPHRIG_IMAGING_IMAGE_COMMANDS_H_

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "imaging/whole_png.h"
#include "request/render_request.h"

namespace glyphrig {

// The words of a command line: separated by spaces, any number of them. No
// word holds a space, the typed colour code included, as it is read as one
// word.
std::vector<std::string> command_words(std::string_view line);

// One image command of a run, and what it must leave: the run runs it, checks
// its picture, and knows what to remove when the run is stopped.
struct image_step {
  std::string command_line;  // exactly as handed to the command layer
  std::string output;        // the picture it writes: result.png or a plate piece
  // For a picture rewritten in place, the picture whose size it must keep,
  // measured just before the step: the tinted picture itself, or the
  // background it is laid on. None for a picture written anew, which is
  // removed before its step and must only come out whole.
  std::optional<std::string> size_from;

  bool operator==(const image_step&) const = default;
};

// The step that joins the glyph pictures side by side into result.png.
image_step strip_step(const std::string& glyph_list);

// The step that tints result.png, for the screen fonts with a colour.
std::optional<image_step> tint_step(const render_request& request);

// The sizes of the street sign's pictures: the sign, and the ends that a
// longer sign is joined from.
struct sign_art {
  png_size sign;
  png_size left;
  png_size right;
};

// The steps that lay result.png, a strip of `strip` in size, on a street
// sign. The sign leaves as much room beside the line as above and below it.
// A line with that room on the sign is laid on it; a longer one on a sign as
// wide as it needs, joined from the sign's ends and its middle drawn out.
std::vector<image_step> sign_steps(png_size strip, const sign_art& art);

// The command that asks the image tool whether it knows a colour code, as
// names and syntaxes differ between ImageMagick's versions: it fails unless
// the tool can draw a pixel of that colour and take it as the tint. It writes
// no picture.
std::string colour_check_command(std::string_view code);

// What putting a plate strip on its background takes.
struct plate_plan {
  std::vector<image_step> steps;  // run in order
  bool refused = false;           // after the steps: too wide for the plate
};

// The plate background, fixed or cut to text_width pixels of text. Either
// refuses a line wider than its lettering.
plate_plan plate_steps(bool auto_adjust, int32_t text_width);

inline constexpr std::string_view kPlateRefusal =
    "Your text is too long for a license plate. Please retry with shorter text!";

}  // namespace glyphrig

#endif  // GLYPHRIG_IMAGING_IMAGE_COMMANDS_H_
