#ifndef GLYPHRIG_GLYPHS_CODE_PAGE_850_TABLES_H_
#define GLYPHRIG_GLYPHS_CODE_PAGE_850_TABLES_H_

#include <array>
#include <span>

namespace glyphrig {

// The character of each byte 128 to 255 of code page 850; bytes below 128 are
// ASCII.
extern const std::array<char32_t, 128> kCodePage850UpperHalf;

// A character that code page 850 lacks, and the bytes of the letters that
// draw it best ("L" for Ł, "EUR" for €).
struct nearest_letters {
  char32_t character;
  const char* drawn;
};

// Sorted by character.
extern const std::span<const nearest_letters> kNearestLetters;

}  // namespace glyphrig

#endif  // GLYPHRIG_GLYPHS_CODE_PAGE_850_TABLES_H_
