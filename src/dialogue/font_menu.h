#ifndef GLYPHRIG_DIALOGUE_FONT_MENU_H_
#define GLYPHRIG_DIALOGUE_FONT_MENU_H_

#include <array>
#include <cstdint>
#include <iosfwd>
#include <string_view>

// Font kinds by their menu numbers.
inline constexpr int32_t kNormalFont = 0;
inline constexpr int32_t kLargeFont = 1;
inline constexpr int32_t kMenuFont = 2;
inline constexpr int32_t kStreetFont = 3;
inline constexpr int32_t kCarFont = 4;

// The glyph folder of each font kind.
inline constexpr std::array<std::string_view, 5> kFontFolders = {
    "alphabet/normal/", "alphabet/large/", "alphabet/menu/", "alphabet/street/", "alphabet/car/",
};

// The screen fonts can be tinted; street signs and plates have fixed colours.
constexpr bool takes_colour(int32_t font_kind) { return font_kind <= kMenuFont; }

// The banner and the font menu, ending with the prompt for the font number.
void write_font_menu(std::ostream& out);

#endif  // GLYPHRIG_DIALOGUE_FONT_MENU_H_
