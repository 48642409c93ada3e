#ifndef GLYPHRIG_DIALOGUE_FONT_MENU_H_
#define GLYPHRIG_DIALOGUE_FONT_MENU_H_

#include <iosfwd>
#include <optional>

#include "request/font_kind.h"

namespace glyphrig {

// Shows the banner and the font menu and reads the font's number. Nothing
// when standard input ended before a number was given.
std::optional<font_kind> choose_font(std::istream& in, std::ostream& out);

}  // namespace glyphrig

#endif  // GLYPHRIG_DIALOGUE_FONT_MENU_H_
