#include "cp850.h"

#include <locale.h>
#include <wctype.h>

#include <stdexcept>

#include "glyphs/code_page_850.h"

namespace glyph_art {

char32_t cp850_to_unicode(unsigned char byte) {
  if (byte < 0x20 || byte == 0x7F) return 0;
  return glyphrig::code_page_850_character(byte);
}

char32_t capital_of(char32_t ch) {
  // A locale of its own: the mapping must not depend on how the build's shell is set up,
  // and the "C" locale maps nothing beyond ASCII.
  static const locale_t utf8 = newlocale(LC_CTYPE_MASK, "C.UTF-8", locale_t{});
  if (utf8 == locale_t{}) throw std::runtime_error("the C library has no C.UTF-8 locale");
  return static_cast<char32_t>(towupper_l(static_cast<wint_t>(ch), utf8));
}

}  // namespace glyph_art
