#include "glyphs/code_page_850.h"

#include <algorithm>
#include <array>

#include "glyphs/capitals.h"
#include "glyphs/code_page_850_tables.h"

namespace glyphrig {
namespace {

constexpr unsigned char kNoSuchCharacter = '?';

struct byte_of {
  char32_t character;
  unsigned char byte;
};

// The upper half sorted by character, for the way from characters to bytes.
std::array<byte_of, 128> upper_half_by_character() {
  std::array<byte_of, 128> sorted{};
  for (size_t i = 0; i < sorted.size(); ++i) {
    sorted[i] = {kCodePage850UpperHalf[i], static_cast<unsigned char>(0x80 + i)};
  }
  std::sort(sorted.begin(), sorted.end(),
            [](const byte_of& a, const byte_of& b) { return a.character < b.character; });
  return sorted;
}

}  // namespace

std::optional<char> code_page_850_byte(char32_t character) {
  if (character < 0x80) return static_cast<char>(character);
  static const std::array<byte_of, 128> sorted = upper_half_by_character();
  const auto found = std::lower_bound(
      sorted.begin(), sorted.end(), character,
      [](const byte_of& entry, char32_t wanted) { return entry.character < wanted; });
  if (found == sorted.end() || found->character != character) return std::nullopt;
  return static_cast<char>(found->byte);
}

std::string_view code_page_850_drawing(char32_t character) {
  static const std::array<char, 256> own_bytes = [] {
    std::array<char, 256> bytes{};
    for (size_t i = 0; i < bytes.size(); ++i) bytes[i] = static_cast<char>(i);
    return bytes;
  }();
  if (const auto byte = code_page_850_byte(character)) {
    return {&own_bytes[static_cast<unsigned char>(*byte)], 1};
  }
  const auto found = std::lower_bound(
      kNearestLetters.begin(), kNearestLetters.end(), character,
      [](const nearest_letters& entry, char32_t wanted) { return entry.character < wanted; });
  if (found != kNearestLetters.end() && found->character == character) return found->drawn;
  return {&own_bytes[kNoSuchCharacter], 1};
}

char32_t code_page_850_character(unsigned char byte) {
  return byte < 0x80 ? byte : kCodePage850UpperHalf[byte - 0x80];
}

std::optional<unsigned char> code_page_850_capital(unsigned char byte) {
  const char32_t character = code_page_850_character(byte);
  const char32_t capital = drawn_capital(character);
  if (capital == character) return std::nullopt;
  const auto capital_byte = code_page_850_byte(capital);
  if (!capital_byte) return std::nullopt;
  return static_cast<unsigned char>(*capital_byte);
}

void append_utf8(std::string& text, char32_t character) {
  const auto put = [&text](uint32_t byte) { text += static_cast<char>(byte); };
  const uint32_t c = character;
  if (c < 0x80) {
    put(c);
  } else if (c < 0x800) {
    put(0xC0 | c >> 6);
    put(0x80 | (c & 0x3F));
  } else if (c < 0x10000) {
    put(0xE0 | c >> 12);
    put(0x80 | (c >> 6 & 0x3F));
    put(0x80 | (c & 0x3F));
  } else {
    put(0xF0 | c >> 18);
    put(0x80 | (c >> 12 & 0x3F));
    put(0x80 | (c >> 6 & 0x3F));
    put(0x80 | (c & 0x3F));
  }
}

std::string code_page_850_to_utf8(std::string_view bytes) {
  std::string text;
  text.reserve(bytes.size());
  for (const char byte : bytes)
    append_utf8(text, code_page_850_character(static_cast<unsigned char>(byte)));
  return text;
}

}  // namespace glyphrig
