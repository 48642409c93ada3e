#ifndef GLYPHRIG_REQUEST_FONT_KIND_H_
#define GLYPHRIG_REQUEST_FONT_KIND_H_

#include <cstdint>
#include <string_view>

namespace glyphrig {

// The five typefaces, numbered as the font menu lists them.
enum class font_kind : int32_t { normal, large, menu, street, car };

inline constexpr int32_t kFontKinds = 5;

// The folder of the typeface's glyph pictures: "alphabet/large/" and the like.
std::string_view font_folder(font_kind kind);

// Every typeface but the chat font draws capitals only, so a line is folded
// to upper case for it.
constexpr bool folds_lower_case(font_kind kind) { return kind != font_kind::normal; }

// The screen fonts can be tinted; street signs and plates have fixed colours.
constexpr bool takes_colour(font_kind kind) { return kind <= font_kind::menu; }

}  // namespace glyphrig

#endif  // GLYPHRIG_REQUEST_FONT_KIND_H_
