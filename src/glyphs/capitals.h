#ifndef GLYPHRIG_GLYPHS_CAPITALS_H_
#define GLYPHRIG_GLYPHS_CAPITALS_H_

#include <optional>

namespace glyphrig {

// The letter that a line set in capitals shows for a character: its capital
// (é as É, ж as Ж, ı as I), and for Greek the capital without its tonos, as
// Greek is set in capitals (ά and Ά as Α, ΐ as Ϊ, ς as Σ). A character
// without a capital, ß or ĸ, is itself. The program folds by it on plates,
// and the generator draws the capitals-only fonts by it, so both agree.
char32_t drawn_capital(char32_t character);

// The Latin capital that a Greek or Cyrillic capital looks exactly like, as
// type designers draw it from that letter: Α and А as A, Ѕ as S, Ј as J.
std::optional<char> latin_twin(char32_t capital);

}  // namespace glyphrig

#endif  // GLYPHRIG_GLYPHS_CAPITALS_H_
