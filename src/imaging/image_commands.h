#ifndef GLYPHRIG_IMAGING_IMAGE_COMMANDS_H_
#define GLYPHRIG_IMAGING_IMAGE_COMMANDS_H_

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "request/render_request.h"

namespace glyphrig {

// The words of a command line: separated by spaces, any number of them. No
// word holds a space, the typed colour code included, as it is read as one
// word.
std::vector<std::string> command_words(std::string_view line);

// The command that joins the glyph pictures side by side into result.png.
std::string strip_command(const std::string& glyph_list);

// The command that tints result.png or frames it on the street sign, if the
// font kind has one: the screen fonts with a colour, and street signs.
std::optional<std::string> tint_or_sign_command(const render_request& request);

// What putting a plate strip on its background takes.
struct plate_plan {
  std::vector<std::string> commands;  // run in order
  bool refused = false;               // after the commands: too wide for the largest plate
};

// The plate background, fixed or cut to text_width pixels of text.
plate_plan plate_commands(bool auto_adjust, int32_t text_width);

inline constexpr std::string_view kPlateRefusal =
    "Your text is too long for a license plate. Please retry with shorter text!";

}  // namespace glyphrig

#endif  // GLYPHRIG_IMAGING_IMAGE_COMMANDS_H_
