#ifndef GLYPHRIG_GLYPHS_CODE_PAGE_850_H_
#define GLYPHRIG_GLYPHS_CODE_PAGE_850_H_

#include <optional>
#include <string>
#include <string_view>

namespace glyphrig {

// The glyph pictures are named by the bytes of code page 850, the console code
// page of Western European Windows. These turn characters into those bytes
// and back, by the program's own tables, so that the same text names the same
// pictures on every system.

// The byte of a character that the code page has.
std::optional<char> code_page_850_byte(char32_t character);

// The bytes that draw a character: its own byte, else the nearest letters the
// code page has (Ł as L, ấ as â, € as EUR), else "?".
std::string_view code_page_850_drawing(char32_t character);

// The character of a byte.
char32_t code_page_850_character(unsigned char byte);

// The byte of the capital of a lower-case letter (é, ñ, æ, ı), where the
// code page holds that capital; none for anything else.
std::optional<unsigned char> code_page_850_capital(unsigned char byte);

// Code page 850 bytes as UTF-8, for the screen.
std::string code_page_850_to_utf8(std::string_view bytes);

// One character as UTF-8.
void append_utf8(std::string& text, char32_t character);

}  // namespace glyphrig

#endif  // GLYPHRIG_GLYPHS_CODE_PAGE_850_H_
