#include "dialogue/typed_text.h"

#include <gtest/gtest.h>

#include <string>

namespace glyphrig {
namespace {

const typeface& kChat = typeface_of(font_kind::normal);

TEST(TypedText, NamesEachReplacedCharacterOnceInOneLine) {
  const struct {
    std::string typed;
    std::optional<std::string> note;
  } cases[] = {
      {"Gr\xC3\xBC\xC3\x9F"
       "e",
       std::nullopt},
      {"\xC7\x8D\xC3\xB3"
       "d\xC7\x8E \xE6\xBC\xA2\xE5\xAD\x97\xE6\xBC\xA2 \xC7\x8D \xC5\x81",
       "Drawn with the nearest letters the font has: \xC7\x8D\xE2\x86\x92"
       "A \xC7\x8E\xE2\x86\x92"
       "a; as ?: \xE6\xBC\xA2 \xE5\xAD\x97"},
      {"\xC7\x98\xE2\x82\xA8",  // what becomes a letter of code page 850 is shown as such
       "Drawn with the nearest letters the font has: \xC7\x98\xE2\x86\x92\xC3\xBC "
       "\xE2\x82\xA8\xE2\x86\x92"
       "Rs"},
      {"\xF0\x9F\x98\x80\xC2\x85",
       "Drawn as ?, as the font has no letter like them: "
       "\xF0\x9F\x98\x80 U+0085"},
  };
  const legacy_decoder unused = [](std::string_view) { return std::string("?"); };
  for (const auto& c : cases) {
    EXPECT_EQ(replacement_note(to_glyphs(c.typed, kChat, unused).replaced), c.note) << c.typed;
  }
}

TEST(TypedText, HandsEachRunOfOtherBytesToTheLegacyCodePageWhole) {
  std::vector<std::string> runs;
  const legacy_decoder record = [&runs](std::string_view bytes) {
    runs.emplace_back(bytes);
    return std::string("\xC5\x81");  // as if the run were one Ł
  };
  EXPECT_EQ(to_glyphs("a\x82\xA0"
                      "b\xC3\xA4\xFF",
                      kChat, record)
                .glyphs,
            U"a\u0141b\x84\u0141");
  EXPECT_EQ(runs, (std::vector<std::string>{"\x82\xA0", "\xFF"}));
}

TEST(TypedText, Utf16FromTheConsoleBecomesUtf8) {
  const struct {
    std::u16string units;
    std::string utf8;
  } cases[] = {
      {u"Gr\u00FC\u00DFe \u0141",
       "Gr\xC3\xBC\xC3\x9F"
       "e \xC5\x81"},
      {u"\U0001F600", "\xF0\x9F\x98\x80"},
      {std::u16string{0xDC00, 'a'},
       "\xEF\xBF\xBD"
       "a"},  // a low surrogate alone
      {std::u16string{0xD83D, 'a'},
       "\xEF\xBF\xBD"
       "a"},  // a high surrogate alone
  };
  for (const auto& c : cases) {
    char16_t pending = 0;
    EXPECT_EQ(utf16_to_utf8(c.units, pending), c.utf8);
    EXPECT_EQ(pending, 0);
  }
  // A pair split between two reads of the console.
  char16_t pending = 0;
  EXPECT_EQ(utf16_to_utf8(std::u16string{'x', 0xD83D}, pending), "x");
  EXPECT_EQ(utf16_to_utf8(std::u16string{0xDE00}, pending), "\xF0\x9F\x98\x80");
}

TEST(TypedText, Utf8ForTheConsoleBecomesUtf16AcrossPieces) {
  std::string pending;
  EXPECT_EQ(utf8_to_utf16("a\xE2\x86", pending), u"a");
  EXPECT_EQ(utf8_to_utf16("\x92\xF0\x9F\x98\x80", pending), u"\u2192\U0001F600");
  EXPECT_EQ(utf8_to_utf16("\x81", pending), u"\u00FC");  // a stray byte is code page 850
  EXPECT_EQ(pending, "");
}

}  // namespace
}  // namespace glyphrig
