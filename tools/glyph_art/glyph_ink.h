#ifndef GLYPHRIG_TOOLS_GLYPH_ART_GLYPH_INK_H_
#define GLYPHRIG_TOOLS_GLYPH_ART_GLYPH_INK_H_

#include "canvas.h"
#include "faces.h"

namespace glyph_art {

// A coverage placed relative to the pen: left columns right of the pen, top rows above
// the baseline.
struct placed_coverage {
  coverage cover;
  int left = 0;
  int top = 0;

  bool empty() const { return cover.width == 0 || cover.height == 0; }
  int bottom() const { return cover.height - top; }  // rows below the baseline
};

struct glyph_ink {
  placed_coverage fill;
  placed_coverage border;  // the letter grown by the outline width; empty without outline
  int advance = 0;         // pen advance in whole pixels
};

// Flattens what a letter has above a height and below the baseline, such as the marks of
// a Vietnamese capital or a comma below, and leaves the letter between as it is.
struct squeeze {
  double from_height = 0;  // in pixels above the baseline
  double above = 1.0;      // what lies above that height is this much as high
  double below = 1.0;      // what lies below the baseline is this much as deep
};

// How a letter is shaped on its way from the face.
struct shaping {
  double x_scale = 1.0;   // < 1 condenses the letter across
  double y_scale = 1.0;   // < 1 flattens it, as a mark that has little room
  double embolden = 0.0;  // pixels added to each stroke across (taken, below 0)
  squeeze flatten;
};

// Renders ch from face with FreeType: the letter itself and, for outline > 0, the letter
// stroked outwards by that many pixels.
glyph_ink render_ink(FT_Library library, font_face& face, char32_t ch, double outline,
                     const shaping& shape = {});

// Lays b over a, b's pen moved right by dx and up by dy pixels: one letter of both.
void overlay(glyph_ink& a, const glyph_ink& b, int dx, int dy);

}  // namespace glyph_art

#endif  // GLYPHRIG_TOOLS_GLYPH_ART_GLYPH_INK_H_
