#include "cp850.h"

#include "glyphs/code_page_850.h"

namespace glyph_art {

char32_t cp850_to_unicode(unsigned char byte) {
  if (byte < 0x20 || byte == 0x7F) return 0;
  return glyphrig::code_page_850_character(byte);
}

}  // namespace glyph_art
