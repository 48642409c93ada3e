#include "cp850.h"

#include <iconv.h>
#include <locale.h>
#include <wctype.h>

#include <stdexcept>

namespace glyph_art {

char32_t cp850_to_unicode(unsigned char byte) {
  if (byte < 0x20 || byte == 0x7F) return 0;
  // The C library knows the code page; one conversion per byte is plenty for
  // a few hundred pictures.
  const iconv_t converter = iconv_open("UTF-32LE", "CP850");
  if (converter == reinterpret_cast<iconv_t>(-1)) {
    throw std::runtime_error("the C library cannot convert from code page 850");
  }
  char in = static_cast<char>(byte);
  unsigned char out[4] = {};
  char* in_ptr = &in;
  char* out_ptr = reinterpret_cast<char*>(out);
  size_t in_left = 1;
  size_t out_left = sizeof out;
  const size_t converted = iconv(converter, &in_ptr, &in_left, &out_ptr, &out_left);
  iconv_close(converter);
  if (converted == static_cast<size_t>(-1)) {
    throw std::runtime_error("code page 850 has no character for byte " + std::to_string(byte));
  }
  return out[0] | out[1] << 8 | out[2] << 16 | static_cast<char32_t>(out[3]) << 24;
}

char32_t capital_of(char32_t ch) {
  // A locale of its own: the mapping must not depend on how the build's shell is set up,
  // and the "C" locale maps nothing beyond ASCII.
  static const locale_t utf8 = newlocale(LC_CTYPE_MASK, "C.UTF-8", locale_t{});
  if (utf8 == locale_t{}) throw std::runtime_error("the C library has no C.UTF-8 locale");
  return static_cast<char32_t>(towupper_l(static_cast<wint_t>(ch), utf8));
}

}  // namespace glyph_art
