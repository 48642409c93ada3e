#include "glyphs/glyph_pass.h"

#include <gtest/gtest.h>

#include <numeric>

#include "glyphs/plate_width_table.h"

namespace glyphrig {
namespace {

render_request request_for(font_kind kind, std::string text) {
  render_request request;
  request.font_kind = kind;
  request.text_line = std::move(text);
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
    EXPECT_EQ(request.text_line, c.folded) << c.text;
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
  };
  for (const auto& c : cases) {
    render_request request = request_for(c.kind, c.text);
    EXPECT_EQ(glyph_pass(request).text_width, c.width) << c.text;
  }
}

TEST(PlateWidthTable, HasSeventyOneGlyphsOfWidth) {
  const auto glyphs = std::count_if(plate_width_table.begin(), plate_width_table.end(),
                                    [](int32_t width) { return width != 0; });
  EXPECT_EQ(glyphs, 71);
  EXPECT_EQ(std::accumulate(plate_width_table.begin(), plate_width_table.end(), 0), 835);
}

}  // namespace

}  // namespace glyphrig
