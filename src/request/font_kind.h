#ifndef GLYPHRIG_REQUEST_FONT_KIND_H_
#define GLYPHRIG_REQUEST_FONT_KIND_H_

#include <array>
#include <cstddef>
#include <cstdint>
#include <string_view>

namespace glyphrig {

// The five typefaces, numbered as the font menu lists them.
enum class font_kind : int32_t { normal, large, menu, street, car };

// What a typeface's joined glyphs are laid on.
enum class backdrop {
  none,
  street_sign,    // centred on the street sign
  licence_plate,  // centred on the fixed plate, or on a plate cut to the text
};

// Everything that sets one typeface apart from the others. The rest of the
// program asks this table, never the typeface's number: a new typeface is a
// new row here, its glyph pictures and its look in the generator.
struct typeface {
  font_kind kind;
  std::string_view menu_name;  // as the font menu lists it after the number
  std::string_view folder;     // of its glyph pictures, as the command lines name it
  bool capitals_only;          // the line is folded to upper case for it
  bool tinted;                 // it takes one of the colours, or a typed code
  glyphrig::backdrop backdrop;
  // It draws only the characters that have a width in the plate width
  // table, and the plate is cut to the line's width by that table.
  bool plate_widths;
  // It has pictures of the letters and signs beyond code page 850 (Polish,
  // Vietnamese, Cyrillic, Greek...), named by their code points.
  bool beyond_code_page;
};

inline constexpr std::array<typeface, 5> kTypefaces = {{
    {.kind = font_kind::normal,
     .menu_name = "Normal  font (i.e. chat)",
     .folder = "alphabet/normal/",
     .capitals_only = false,
     .tinted = true,
     .backdrop = backdrop::none,
     .plate_widths = false,
     .beyond_code_page = true},
    {.kind = font_kind::large,
     .menu_name = "Large   font (i.e. WASTED)",
     .folder = "alphabet/large/",
     .capitals_only = true,
     .tinted = true,
     .backdrop = backdrop::none,
     .plate_widths = false,
     .beyond_code_page = true},
    {.kind = font_kind::menu,
     .menu_name = "Menu    font",
     .folder = "alphabet/menu/",
     .capitals_only = true,
     .tinted = true,
     .backdrop = backdrop::none,
     .plate_widths = false,
     .beyond_code_page = true},
    {.kind = font_kind::street,
     .menu_name = "Street  signs",
     .folder = "alphabet/street/",
     .capitals_only = true,
     .tinted = false,
     .backdrop = backdrop::street_sign,
     .plate_widths = false,
     .beyond_code_page = true},
    {.kind = font_kind::car,
     .menu_name = "Car     license plate",
     .folder = "alphabet/car/",
     .capitals_only = true,
     .tinted = false,
     .backdrop = backdrop::licence_plate,
     .plate_widths = true,
     .beyond_code_page = false},
}};

inline constexpr int32_t kFontKinds = static_cast<int32_t>(kTypefaces.size());

constexpr const typeface& typeface_of(font_kind kind) {
  return kTypefaces[static_cast<size_t>(kind)];
}

// The table is in menu order: each row sits at its own number.
static_assert([] {
  for (size_t i = 0; i < kTypefaces.size(); ++i) {
    if (static_cast<size_t>(kTypefaces[i].kind) != i) return false;
  }
  return true;
}());

}  // namespace glyphrig

#endif  // GLYPHRIG_REQUEST_FONT_KIND_H_
