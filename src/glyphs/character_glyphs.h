#ifndef GLYPHRIG_GLYPHS_CHARACTER_GLYPHS_H_
#define GLYPHRIG_GLYPHS_CHARACTER_GLYPHS_H_

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "request/font_kind.h"
#include "request/glyph_line.h"

namespace glyphrig {

// The characters beyond code page 850 that a typeface with
// `beyond_code_page` has pictures of: the rest of Latin Extended-A, Ș ș Ț ț,
// the Vietnamese letters (Ơ ơ Ư ư among them), Cyrillic (with Ґ ґ), Greek,
// the euro sign, the curly quotes, the dashes and the ellipsis. In code
// point order.
const std::vector<char32_t>& characters_beyond_code_page();

// The Latin capital that a plate draws for a Greek or Cyrillic letter that
// looks like it, with or without its accents and in either case (Α Β Ε Ζ Η
// Ι Κ Μ Ν Ο Ρ Τ Υ Χ, А В Е К М Н О Р С Т У Х Ѕ І Ј), as the plates of those
// countries carry them.
std::optional<unsigned char> plate_look_alike(char32_t character);

// How a typeface draws a typed character: by the byte of code page 850 that
// holds it; else by its own picture, where the typeface has one; else by the
// nearest letters that the code page has, or "?", which are `replaced`.
struct character_drawing {
  glyph_line glyphs;
  bool replaced = false;
};
character_drawing drawing_of(const typeface& face, char32_t character);

// Appends the picture of a glyph in a font's folder: "<folder><byte>.png"
// for a byte of code page 850, "<folder>u<code point>.png" for a character
// beyond it, its code point in four upper-case hex digits.
void append_glyph_picture(std::string& text, std::string_view folder, glyph_code glyph);

// The character that a glyph draws.
char32_t glyph_character(glyph_code glyph);

}  // namespace glyphrig

#endif  // GLYPHRIG_GLYPHS_CHARACTER_GLYPHS_H_
