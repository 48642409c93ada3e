#ifndef GLYPHRIG_REQUEST_GLYPH_LINE_H_
#define GLYPHRIG_REQUEST_GLYPH_LINE_H_

#include <string>

namespace glyphrig {

// What names one glyph picture in a font's folder. A byte of code page 850,
// 0 to 255, names "<byte>.png", as the pictures always were; a character
// that the code page lacks and the font draws all the same names
// "u<code point>.png". Those characters all lie above U+00FF (the code page
// holds every character of Latin-1), so the two never meet.
using glyph_code = char32_t;

// A line as the glyphs that draw it, in order.
using glyph_line = std::u32string;

}  // namespace glyphrig

#endif  // GLYPHRIG_REQUEST_GLYPH_LINE_H_
