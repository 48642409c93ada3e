#ifndef GLYPHRIG_IMAGING_FINISHING_H_
#define GLYPHRIG_IMAGING_FINISHING_H_

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "dialogue/render_request.h"

// The command that tints result.png or frames it on the street sign, if the
// font kind has one: the screen fonts with any colour but 0, and street signs.
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

#endif  // GLYPHRIG_IMAGING_FINISHING_H_
