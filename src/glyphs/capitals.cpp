#include "glyphs/capitals.h"

#include <algorithm>
#include <iterator>
#include <utility>

namespace glyphrig {
namespace {

// Greek capitals drop the tonos, and the letters with tonos and dialytika
// keep the dialytika.
constexpr std::pair<char32_t, char32_t> kGreekWithoutTonos[] = {
    {0x0386, 0x0391}, {0x0388, 0x0395}, {0x0389, 0x0397}, {0x038A, 0x0399}, {0x038C, 0x039F},
    {0x038E, 0x03A5}, {0x038F, 0x03A9}, {0x0390, 0x03AA}, {0x03AC, 0x0391}, {0x03AD, 0x0395},
    {0x03AE, 0x0397}, {0x03AF, 0x0399}, {0x03B0, 0x03AB}, {0x03C2, 0x03A3}, {0x03CC, 0x039F},
    {0x03CD, 0x03A5}, {0x03CE, 0x03A9},
};

// Letters whose capital lies elsewhere.
constexpr std::pair<char32_t, char32_t> kCapitalsApart[] = {
    {0x00B5, 0x039C},  // µ as Greek Μ
    {0x00FF, 0x0178},  // ÿ
    {0x0131, 'I'},     // dotless ı
    {0x017F, 'S'},     // long s
    {0x0192, 0x0191},  // ƒ
    {0x01A1, 0x01A0},  // ơ
    {0x01B0, 0x01AF},  // ư
    {0x0491, 0x0490},  // ґ
};

constexpr std::pair<char32_t, char> kLatinTwins[] = {
    {0x0391, 'A'}, {0x0392, 'B'}, {0x0395, 'E'}, {0x0396, 'Z'}, {0x0397, 'H'}, {0x0399, 'I'},
    {0x039A, 'K'}, {0x039C, 'M'}, {0x039D, 'N'}, {0x039F, 'O'}, {0x03A1, 'P'}, {0x03A4, 'T'},
    {0x03A5, 'Y'}, {0x03A7, 'X'}, {0x0405, 'S'}, {0x0406, 'I'}, {0x0408, 'J'}, {0x0410, 'A'},
    {0x0412, 'B'}, {0x0415, 'E'}, {0x041A, 'K'}, {0x041C, 'M'}, {0x041D, 'H'}, {0x041E, 'O'},
    {0x0420, 'P'}, {0x0421, 'C'}, {0x0422, 'T'}, {0x0425, 'X'},
};

template <typename Table>
auto find_in(const Table& table, char32_t character) {
  return std::find_if(std::begin(table), std::end(table),
                      [character](const auto& row) { return row.first == character; });
}

bool between(char32_t character, char32_t first, char32_t last) {
  return character >= first && character <= last;
}

// Blocks where each capital is followed by its lower case, from an even code
// point (first) or from an odd one.
constexpr bool lower_in_pairs(char32_t c) {
  if (c >= 0x0100 && c <= 0x0137) return c % 2 == 1 && c != 0x0131;
  if (c >= 0x0139 && c <= 0x0148) return c % 2 == 0;
  if (c >= 0x014A && c <= 0x0177) return c % 2 == 1;
  if (c >= 0x0179 && c <= 0x017E) return c % 2 == 0;
  if (c >= 0x0218 && c <= 0x021B) return c % 2 == 1;  // ș ț
  if (c >= 0x1EA0 && c <= 0x1EF9) return c % 2 == 1;  // Vietnamese
  return false;
}

}  // namespace

char32_t drawn_capital(char32_t c) {
  if (const auto* row = find_in(kGreekWithoutTonos, c); row != std::end(kGreekWithoutTonos)) {
    return row->second;
  }
  if (const auto* row = find_in(kCapitalsApart, c); row != std::end(kCapitalsApart)) {
    return row->second;
  }
  if (between(c, 'a', 'z')) return c - 0x20;
  if (between(c, 0x00E0, 0x00FE) && c != 0x00F7) return c - 0x20;  // à to þ but ÷
  if (lower_in_pairs(c)) return c - 1;
  if (between(c, 0x03B1, 0x03CB)) return c - 0x20;  // α to ω, ϊ ϋ
  if (between(c, 0x0430, 0x044F)) return c - 0x20;  // а to я
  if (between(c, 0x0450, 0x045F)) return c - 0x50;  // ѐ to џ
  return c;
}

std::optional<char> latin_twin(char32_t capital) {
  if (const auto* row = find_in(kLatinTwins, capital); row != std::end(kLatinTwins)) {
    return row->second;
  }
  return std::nullopt;
}

}  // namespace glyphrig
