#include "glyphs/capitals.h"

#include <gtest/gtest.h>
#include <locale.h>
#include <wctype.h>

#include <map>
#include <vector>

#include "glyphs/character_glyphs.h"
#include "glyphs/code_page_850.h"

namespace glyphrig {
namespace {

// Every character that has a picture is set in capitals as the C library's
// case mapping says, but Greek, which drops the tonos in capitals.
TEST(DrawnCapital, IsTheCLibrarysCapitalButForGreekWithoutItsTonos) {
  const std::map<char32_t, char32_t> greek = {
      {U'Ά', U'Α'}, {U'Έ', U'Ε'}, {U'Ή', U'Η'}, {U'Ί', U'Ι'}, {U'Ό', U'Ο'}, {U'Ύ', U'Υ'},
      {U'Ώ', U'Ω'}, {U'ά', U'Α'}, {U'έ', U'Ε'}, {U'ή', U'Η'}, {U'ί', U'Ι'}, {U'ό', U'Ο'},
      {U'ύ', U'Υ'}, {U'ώ', U'Ω'}, {U'ΐ', U'Ϊ'}, {U'ΰ', U'Ϋ'}, {U'ς', U'Σ'}};
  const locale_t utf8 = newlocale(LC_CTYPE_MASK, "C.UTF-8", locale_t{});
  ASSERT_NE(utf8, locale_t{});
  std::vector<char32_t> characters;
  for (int byte = 32; byte < 256; ++byte) {
    characters.push_back(code_page_850_character(static_cast<unsigned char>(byte)));
  }
  characters.insert(characters.end(), characters_beyond_code_page().begin(),
                    characters_beyond_code_page().end());
  for (const char32_t c : characters) {
    const auto found = greek.find(c);
    const char32_t expected = found != greek.end()
                                  ? found->second
                                  : static_cast<char32_t>(towupper_l(static_cast<wint_t>(c), utf8));
    EXPECT_EQ(static_cast<unsigned>(drawn_capital(c)), static_cast<unsigned>(expected))
        << "U+" << std::hex << static_cast<unsigned>(c);
  }
  freelocale(utf8);
}

}  // namespace
}  // namespace glyphrig
