#ifndef GLYPHRIG_TOOLS_GLYPH_ART_SHAPES_H_
#define GLYPHRIG_TOOLS_GLYPH_ART_SHAPES_H_

#include <ft2build.h>
#include FT_FREETYPE_H

#include "canvas.h"

namespace glyph_art {

// A box with corners rounded by radius, in pixels from the top left of the canvas.
// Edges may lie outside the canvas: what falls outside is cut, which is how a
// plate piece shows only one end of the plate.
struct rounded_box {
  double left, top, right, bottom, radius;
};

// Coverage of the box over a canvas of the given size, rendered by FreeType.
coverage cover_box(FT_Library library, int width, int height, const rounded_box& box);

}  // namespace glyph_art

#endif  // GLYPHRIG_TOOLS_GLYPH_ART_SHAPES_H_
