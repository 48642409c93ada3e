#include <gtest/gtest.h>

#include <string>

#include "dialogue/console_text.h"

namespace glyphrig {
namespace {

// The glyphs of the chat font for what was typed, as the bytes they are.
std::string chat_bytes(std::string_view typed) {
  std::string bytes;
  for (const glyph_code glyph : console_text_glyphs(typed, typeface_of(font_kind::normal)).glyphs) {
    bytes += static_cast<char>(glyph);
  }
  return bytes;
}

TEST(ConsoleText, TypedUtf8BecomesTheBytesOfCodePage850) {
  const struct {
    const char* name;
    std::string typed;
    std::string bytes;
  } cases[] = {
      {"plain ASCII, controls included", "Go now {}\t\x7f", "Go now {}\t\x7f"},
      {"accented capitals", "\xC3\x84\xC3\x96\xC3\x9C", "\x8E\x99\x9A"},  // ÄÖÜ
      {"sharp s, N tilde, AE, E acute", "\xC3\x9F\xC3\x91\xC3\x86\xC3\x89", "\xE1\xA5\x92\x90"},
      {"box drawing and the no-break space", "\xE2\x95\x94\xC2\xA0", "\xC9\xFF"},
      {"the rupee sign is not drawn: it is written out", "5\xE2\x82\xA8", "5Rs"},
      {"nor is a CJK character", "\xE6\xBC\xA2!", "?!"},
      {"nor an emoji: one ? for four bytes", "\xF0\x9F\x98\x80", "?"},
      {"a raw code page 850 byte names its own picture",
       "\x8E"
       "A",
       "\x8E"
       "A"},
      {"raw code page 850 text is kept",
       "Stra\xE1"
       "e",
       "Stra\xE1"
       "e"},
      {"a truncated sequence at the end", "A\xC3", "A\xC3"},
      {"a truncated sequence before ASCII",
       "\xE2\x82"
       "B",
       "\xE2\x82"
       "B"},
      {"an overlong encoding of '/'", "\xC0\xAF", "\xC0\xAF"},
      {"an encoded surrogate", "\xED\xA0\x80", "\xED\xA0\x80"},
      {"beyond the last code point", "\xF4\x90\x80\x80", "\xF4\x90\x80\x80"},
      {"a C1 control has no picture of its own", "\xC2\x85", "?"},
      {"a valid sequence after a stray byte", "\xA0\xC3\xA4", "\xA0\x84"},
  };
  for (const auto& c : cases) EXPECT_EQ(chat_bytes(c.typed), c.bytes) << c.name;
}

TEST(ConsoleText, LongLinesTakeLinearTime) {
  std::string typed;
  for (int i = 0; i < 50'000; ++i) typed += "\xC3\x84";
  typed += std::string(100'000, 'x');
  const std::string bytes = chat_bytes(typed);
  EXPECT_EQ(bytes, std::string(50'000, '\x8E') + std::string(100'000, 'x'));
}

}  // namespace

}  // namespace glyphrig
