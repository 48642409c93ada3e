#ifndef GLYPHRIG_DIALOGUE_COLOUR_MENU_H_
#define GLYPHRIG_DIALOGUE_COLOUR_MENU_H_

#include <cstdint>
#include <iosfwd>

#include "dialogue/render_request.h"
#include "imaging/command_runner.h"

// The choice that leaves the picture untinted.
inline constexpr int32_t kNoTint = 0;

// Clears the screen, shows the colour menu and sets colour_index and
// colour_value. False when standard input ended before the choice was made.
bool choose_colour(std::istream& in, std::ostream& out, const CommandRunner& run_command,
                   render_request& request);

#endif  // GLYPHRIG_DIALOGUE_COLOUR_MENU_H_
