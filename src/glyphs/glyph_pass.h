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

// Appends the glyph picture of a byte in a font's folder: "<folder><byte>.png".
void append_glyph_picture(std::string& text, std::string_view folder, unsigned char byte);

struct glyph_pass_result {
  std::string glyph_list;  // one "<folder><byte>.png " per byte of the line
  int32_t text_width = 0;  // the line's width on a licence plate, in pixels
  // Where the line first holds each byte that the font has no picture for:
  // the plate font draws only the bytes that have a plate width.
  std::vector<size_t> without_picture;
  size_t with_picture = 0;  // how many bytes of the line have a picture
};

// Folds a..z and the left brace to upper case (all kinds but the chat font),
// in place, and names one glyph picture per byte of the folded line.
glyph_pass_result glyph_pass(render_request& request);

}  // namespace glyphrig

#endif  // GLYPHRIG_GLYPHS_GLYPH_PASS_H_
