#ifndef GLYPHRIG_DIALOGUE_COLOUR_MENU_H_
#define GLYPHRIG_DIALOGUE_COLOUR_MENU_H_

#include <iosfwd>

#include "imaging/command_runner.h"
#include "request/render_request.h"

namespace glyphrig {

// Clears the screen, shows the colour menu and sets colour_value: nothing
// for choice 0, the palette's colour or the typed code otherwise. False when
// standard input ended before the choice was made.
bool choose_colour(std::istream& in, std::ostream& out, const command_runner& run_command,
                   render_request& request);

}  // namespace glyphrig

#endif  // GLYPHRIG_DIALOGUE_COLOUR_MENU_H_
