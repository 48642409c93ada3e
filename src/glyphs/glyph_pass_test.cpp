#include "glyphs/glyph_pass.h"

#include <gtest/gtest.h>

#include <numeric>

#include "glyphs/plate_width_table.h"

namespace {

render_request request_for(int32_t kind, std::string folder, std::string text) {
  render_request request;
  request.font_kind = kind;
  request.font_folder = std::move(folder);
  request.text_line = std::move(text);
  return request;
}

struct pass_case {
  int32_t kind;
  const char* folder;
  std::string text;
  std::string folded;
  std::string glyph_list;
};

TEST(GlyphPass, FoldsLowerCaseOutsideTheChatFontAndNamesEachByteByItsUnsignedValue) {
  const pass_case cases[] = {
      {1, "alphabet/large/", "Hi", "HI", "alphabet/large/72.png alphabet/large/73.png "},
      {0, "alphabet/normal/", "Hi", "Hi", "alphabet/normal/72.png alphabet/normal/105.png "},
      {2, "alphabet/menu/", "", "", ""},
      {3, "alphabet/street/", " ", " ", "alphabet/street/32.png "},
      // The fold runs from a to the left brace; the bar and tilde stay.
      {4, "alphabet/car/", "az{|~`@", "AZ[|~`@",
       "alphabet/car/65.png alphabet/car/90.png alphabet/car/91.png alphabet/car/124.png "
       "alphabet/car/126.png alphabet/car/96.png alphabet/car/64.png "},
      {0, "alphabet/normal/", "{z", "{z", "alphabet/normal/123.png alphabet/normal/122.png "},
      // Bytes above 127 are never folded and never negative.
      {1, "alphabet/large/", "\x8e\xe9\xff", "\x8e\xe9\xff",
       "alphabet/large/142.png alphabet/large/233.png alphabet/large/255.png "},
      {0, "alphabet/normal/", std::string("\0\t", 2), std::string("\0\t", 2),
       "alphabet/normal/0.png alphabet/normal/9.png "},
  };
  for (const auto& c : cases) {
    render_request request = request_for(c.kind, c.folder, c.text);
    const glyph_pass_result pass = glyph_pass(request);
    EXPECT_EQ(request.text_line, c.folded) << c.text;
    EXPECT_EQ(pass.glyph_list, c.glyph_list) << c.text;
  }
}

struct width_case {
  int32_t kind;
  std::string text;
  int32_t width;
};

TEST(GlyphPass, SumsThePlateWidthOfTheFoldedLine) {
  const width_case cases[] = {
      {4, "", 0},
      {4, "AB 12", 56},
      {4, "abc", 36},
      {0, "abc", 0},  // the chat font keeps lower case, which has no plate width
      {4, "[{@", 0},
      {4, std::string(16, 'W'), 352},
      {4, "IMWwq", 9 + 19 + 22 + 22 + 14},
      {4, "\x80\x92\xad\xd6\xd8\xe1", 12 + 19 + 5 + 9 + 11 + 13},
      {4, "0123456789", 12 + 7 + 12 + 12 + 15 + 12 + 12 + 14 + 12 + 12},
  };
  for (const auto& c : cases) {
    render_request request = request_for(c.kind, "alphabet/car/", c.text);
    EXPECT_EQ(glyph_pass(request).text_width, c.width) << c.text;
  }
}

TEST(PlateWidthTable, HasSeventyGlyphsOfWidth) {
  const auto glyphs = std::count_if(plate_width_table.begin(), plate_width_table.end(),
                                    [](int32_t width) { return width != 0; });
  EXPECT_EQ(glyphs, 70);
  EXPECT_EQ(std::accumulate(plate_width_table.begin(), plate_width_table.end(), 0), 823);
}

}  // namespace
