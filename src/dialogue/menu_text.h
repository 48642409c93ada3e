#ifndef GLYPHRIG_DIALOGUE_MENU_TEXT_H_
#define GLYPHRIG_DIALOGUE_MENU_TEXT_H_

#include <ostream>
#include <string_view>

namespace glyphrig {

// The rule above and below both menus: a space and 78 hyphens.
inline constexpr std::string_view kRule =
    " ------------------------------------------------------------------------------\n";

// A blank line after a block of the screen; flushed so that the screen so far
// is visible even when standard output is not a terminal.
inline void end_block(std::ostream& out) { out << '\n' << std::flush; }

}  // namespace glyphrig

#endif  // GLYPHRIG_DIALOGUE_MENU_TEXT_H_
