#pragma once

namespace glyph_art {

// Width in pixels of each plate glyph picture; 0 for bytes that have no plate picture.
// The program sizes the plate from these numbers without measuring any picture, so the
// pictures must be exactly this wide.
int plate_width(unsigned char byte);

}  // namespace glyph_art
