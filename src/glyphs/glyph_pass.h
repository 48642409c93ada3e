#ifndef GLYPHRIG_GLYPHS_GLYPH_PASS_H_
#define GLYPHRIG_GLYPHS_GLYPH_PASS_H_

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "request/render_request.h"

namespace glyphrig {

// A signed integer as plain decimal text: "-12", "0", "316".
std::string int_to_decimal(int32_t value);

// Whether the typeface has a picture of a glyph (as the pass folds it): a
// plate has pictures only of the characters it has widths for.
bool has_picture(const typeface& face, glyph_code glyph);

struct glyph_pass_result {
  // One picture and a space per glyph of the line that the font has a
  // picture for.
  std::string glyph_list;
  int32_t text_width = 0;  // the line's width on a licence plate, in pixels
  // Where the line first holds each glyph that the font has no picture for:
  // the plate font draws only the bytes that have a plate width.
  std::vector<size_t> without_picture;
  size_t with_picture = 0;  // how many glyphs of the line have a picture
  // Each glyph that the strip names, once, in the order of the line.
  std::vector<glyph_code> pictured;
};

// Folds the line's glyphs in place as its typeface draws them (a..z and the
// left brace to upper case in the capitals-only faces, and accented lower
// case to its capital on a plate), and names the picture of each.
glyph_pass_result glyph_pass(render_request& request);

}  // namespace glyphrig

#endif  // GLYPHRIG_GLYPHS_GLYPH_PASS_H_
