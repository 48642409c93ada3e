#include "glyphs/character_glyphs.h"

#include <algorithm>
#include <cstdio>
#include <utility>

#include "glyphs/capitals.h"
#include "glyphs/code_page_850.h"

namespace glyphrig {
namespace {

// The blocks drawn, first and last. The few code points in them that are
// unassigned, or that code page 850 holds already (ı), are left out.
constexpr std::pair<char32_t, char32_t> kBlocks[] = {
    {0x0100, 0x017F},  // Latin Extended-A: Polish, Czech, Turkish, Baltic...
    {0x01A0, 0x01A1},  // Ơ ơ and
    {0x01AF, 0x01B0},  // Ư ư, which Vietnamese writes beside the letters below
    {0x0218, 0x021B},  // Ș ș Ț ț, Romanian's letters with a comma below
    {0x0386, 0x03CE},  // Greek, with its accented letters
    {0x0400, 0x045F},  // Cyrillic: Russian, Ukrainian, Belarusian, Serbian...
    {0x0490, 0x0491},  // Ґ ґ
    {0x1EA0, 0x1EF9},  // the Vietnamese letters of Latin Extended Additional
    {0x2013, 0x2014},  // – —
    {0x2018, 0x201A},  // ‘ ’ ‚
    {0x201C, 0x201E},  // “ ” „
    {0x2026, 0x2026},  // …
    {0x20AC, 0x20AC},  // €
};
constexpr char32_t kUnassigned[] = {0x038B, 0x038D, 0x03A2};

// Russian plates carry У as Y, though the letter is drawn apart in print.
constexpr char32_t kCyrillicU = 0x0423;

}  // namespace

const std::vector<char32_t>& characters_beyond_code_page() {
  static const std::vector<char32_t> characters = [] {
    std::vector<char32_t> all;
    for (const auto& [first, last] : kBlocks) {
      for (char32_t c = first; c <= last; ++c) {
        if (std::find(std::begin(kUnassigned), std::end(kUnassigned), c) != std::end(kUnassigned) ||
            code_page_850_byte(c)) {
          continue;
        }
        all.push_back(c);
      }
    }
    return all;
  }();
  return characters;
}

std::optional<unsigned char> plate_look_alike(char32_t character) {
  const char32_t capital = drawn_capital(character);
  if (capital == kCyrillicU) return 'Y';
  if (const auto latin = latin_twin(capital)) return static_cast<unsigned char>(*latin);
  return std::nullopt;
}

character_drawing drawing_of(const typeface& face, char32_t character) {
  if (const auto byte = code_page_850_byte(character)) {
    return {.glyphs = glyph_line(1, static_cast<unsigned char>(*byte)), .replaced = false};
  }
  if (face.beyond_code_page) {
    const auto& own = characters_beyond_code_page();
    if (std::binary_search(own.begin(), own.end(), character)) {
      return {.glyphs = glyph_line(1, character), .replaced = false};
    }
  }
  if (face.plate_widths) {
    if (const auto latin = plate_look_alike(character)) {
      return {.glyphs = glyph_line(1, *latin), .replaced = false};
    }
  }
  character_drawing nearest{.glyphs = {}, .replaced = true};
  for (const char byte : code_page_850_drawing(character)) {
    nearest.glyphs += static_cast<unsigned char>(byte);
  }
  return nearest;
}

void append_glyph_picture(std::string& text, std::string_view folder, glyph_code glyph) {
  text += folder;
  if (glyph <= 0xFF) {
    text += std::to_string(static_cast<unsigned>(glyph));
  } else {
    char hex[12];
    std::snprintf(hex, sizeof hex, "u%04X", static_cast<unsigned>(glyph));
    text += hex;
  }
  text += ".png";
}

char32_t glyph_character(glyph_code glyph) {
  return glyph <= 0xFF ? code_page_850_character(static_cast<unsigned char>(glyph)) : glyph;
}

}  // namespace glyphrig
