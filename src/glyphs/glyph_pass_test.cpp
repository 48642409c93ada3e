#include "glyphs/glyph_pass.h"

#include <gtest/gtest.h>

#include "glyphs/capitals.h"
#include "glyphs/character_glyphs.h"
#include "glyphs/code_page_850.h"
#include "glyphs/plate_width_table.h"

namespace glyphrig {
namespace {

// The glyphs of code page 850 bytes.
glyph_line glyphs_of(std::string_view bytes) {
  glyph_line glyphs;
  for (const char byte : bytes) glyphs += static_cast<unsigned char>(byte);
  return glyphs;
}

render_request request_for(font_kind kind, std::string_view bytes) {
  render_request request;
  request.font_kind = kind;
  request.glyphs = glyphs_of(bytes);
  return request;
}

struct pass_case {
  font_kind kind;
  std::string text;
  std::string folded;
  std::string glyph_list;
};

TEST(GlyphPass, FoldsLowerCaseOutsideTheChatFontAndNamesEachByteByItsUnsignedValue) {
  const pass_case cases[] = {
      {font_kind::large, "Hi", "HI", "alphabet/large/72.png alphabet/large/73.png "},
      {font_kind::normal, "Hi", "Hi", "alphabet/normal/72.png alphabet/normal/105.png "},
      {font_kind::menu, "", "", ""},
      {font_kind::street, " ", " ", "alphabet/street/32.png "},
      // The fold runs from a to the left brace; the bar and tilde stay. A
      // plate draws only what it has widths for.
      {font_kind::car, "az{|~`@", "AZ[|~`@",
       "alphabet/car/65.png alphabet/car/90.png alphabet/car/96.png "},
      // Ú is 233, and a plate takes é as É (144): "ÚLTIMO café".
      {font_kind::car, "\xe9LTIMO caf\x82", "\xe9LTIMO CAF\x90",
       "alphabet/car/233.png alphabet/car/76.png alphabet/car/84.png alphabet/car/73.png "
       "alphabet/car/77.png alphabet/car/79.png alphabet/car/32.png alphabet/car/67.png "
       "alphabet/car/65.png alphabet/car/70.png alphabet/car/144.png "},
      // ... but only where it has a picture of the capital: ø's Ø has none.
      {font_kind::car, "\x9b", "\x9b", ""},
      {font_kind::normal, "{z", "{z", "alphabet/normal/123.png alphabet/normal/122.png "},
      // Bytes above 127 are never folded and never negative.
      {font_kind::large, "\x8e\xe9\xff", "\x8e\xe9\xff",
       "alphabet/large/142.png alphabet/large/233.png alphabet/large/255.png "},
      {font_kind::normal, std::string("\0\t", 2), std::string("\0\t", 2),
       "alphabet/normal/0.png alphabet/normal/9.png "},
  };
  for (const auto& c : cases) {
    render_request request = request_for(c.kind, c.text);
    const glyph_pass_result pass = glyph_pass(request);
    EXPECT_EQ(request.glyphs, glyphs_of(c.folded)) << c.text;
    EXPECT_EQ(pass.glyph_list, c.glyph_list) << c.text;
  }
}

struct width_case {
  font_kind kind;
  std::string text;
  int32_t width;
};

TEST(GlyphPass, SumsThePlateWidthOfTheFoldedLine) {
  const width_case cases[] = {
      {font_kind::car, "", 0},
      {font_kind::car, "AB 12", 56},
      {font_kind::car, "abc", 36},
      {font_kind::normal, "abc", 0},  // the chat font keeps lower case, which has no plate width
      {font_kind::car, "[{@", 0},
      {font_kind::car, std::string(16, 'W'), 352},
      {font_kind::car, "IMWwq", 9 + 19 + 22 + 22 + 14},
      {font_kind::car, "\x80\x92\xad\xd6\xd8\xe1", 12 + 19 + 5 + 9 + 11 + 13},
      {font_kind::car, "0123456789", 12 + 7 + 12 + 12 + 15 + 12 + 12 + 14 + 12 + 12},
      {font_kind::car, "\xe9LTIMO caf\x82", 12 + 12 + 11 + 9 + 19 + 12 + 13 + 12 + 12 + 12 + 12},
      {font_kind::car, "\x91\xa4\x81", 19 + 12 + 12},  // æ ñ ü as Æ Ñ Ü
      {font_kind::car, "\xd5", 9},                     // ı as I
  };
  for (const auto& c : cases) {
    render_request request = request_for(c.kind, c.text);
    EXPECT_EQ(glyph_pass(request).text_width, c.width) << c.text;
  }
}

// The pictures that a typed line names in a font, by their names in its
// folder without ".png", and whether any of its characters was replaced.
struct typed_case {
  const char* script;
  font_kind kind;
  std::u32string typed;
  std::string pictures;
  bool replaced;
};

TEST(GlyphPass, DrawsEachScriptWithItsOwnLetters) {
  const typed_case cases[] = {
      {"Polish", font_kind::normal, U"Łódź", "u0141 162 100 u017A", false},
      {"Czech", font_kind::large, U"Řeč", "u0158 69 u010D", false},
      {"Turkish", font_kind::menu, U"Işık", "73 u015F 213 75", false},
      {"Romanian", font_kind::street, U"Știință", "u0218 84 73 73 78 u021B u0103", false},
      {"Vietnamese", font_kind::normal, U"Tiếng Việt", "84 105 u1EBF 110 103 32 86 105 u1EC7 116",
       false},
      {"Russian", font_kind::large, U"Привет", "u041F u0440 u0438 u0432 u0435 u0442", false},
      {"Ukrainian", font_kind::menu, U"Їжак Ґ", "u0407 u0436 u0430 u043A 32 u0490", false},
      {"Greek", font_kind::street, U"Ωμέγα", "u03A9 u03BC u03AD u03B3 u03B1", false},
      {"signs", font_kind::normal, U"„€5…” – —", "u201E u20AC 53 u2026 u201D 32 u2013 32 u2014",
       false},
      {"beyond them all", font_kind::normal, U"Ǎ😀", "65 63", true},
      // A plate carries the Cyrillic letters that look Latin, as Latin
      // capitals; any other letter by its nearest, and what has no plate
      // picture not at all.
      {"Russian plate", font_kind::car, U"АВ 123 Х", "65 66 32 49 50 51 32 88", false},
      {"plate in lower case", font_kind::car, U"ек", "69 75", false},
      {"plate of other letters", font_kind::car, U"ŁЖ", "76", true},
      // ... and the Greek ones, with or without the tonos, Ukrainian, Serbian
      // and Macedonian І Ј Ѕ, and Turkish ı as I.
      {"Greek plate", font_kind::car, U"ΑΒΕ 123 άκόμη", "65 66 69 32 49 50 51 32 65 75 79 77 72",
       false},
      {"Ukrainian plate", font_kind::car, U"ІЈЅ іјѕ", "73 74 83 32 73 74 83", false},
      {"Turkish plate", font_kind::car, U"Kırmızı", "75 73 82 77 73 90 73", false},
  };
  for (const auto& c : cases) {
    render_request request;
    request.font_kind = c.kind;
    bool replaced = false;
    for (const char32_t character : c.typed) {
      const character_drawing drawing = drawing_of(typeface_of(c.kind), character);
      request.glyphs += drawing.glyphs;
      replaced = replaced || drawing.replaced;
    }
    std::string pictures = glyph_pass(request).glyph_list;
    for (const std::string_view part : {typeface_of(c.kind).folder, std::string_view(".png")}) {
      for (size_t at; (at = pictures.find(part)) != std::string::npos;)
        pictures.erase(at, part.size());
    }
    if (!pictures.empty()) pictures.pop_back();
    EXPECT_EQ(pictures, c.pictures) << c.script;
    EXPECT_EQ(replaced, c.replaced) << c.script;
  }
}

// The glyph pass folds a plate's line to capitals before it looks a width up,
// so a width given to any other character would never be used.
TEST(PlateWidthTable, GivesWidthsOnlyToCharactersThatAreTheirOwnCapitals) {
  for (int byte = 0; byte < 256; ++byte) {
    if (plate_width_table[byte] == 0) continue;
    const char32_t character = code_page_850_character(static_cast<unsigned char>(byte));
    EXPECT_EQ(drawn_capital(character), character) << "byte " << byte;
  }
}

}  // namespace

}  // namespace glyphrig
