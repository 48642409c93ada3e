#ifndef GLYPHRIG_GLYPHS_PLATE_WIDTH_TABLE_H_
#define GLYPHRIG_GLYPHS_PLATE_WIDTH_TABLE_H_

#include <array>
#include <cstdint>

namespace glyphrig {

// The width in pixels of each plate glyph, by byte value. The plate is cut to
// the text by these numbers, never by measuring a picture, so each picture in
// alphabet/car/ must be exactly as wide as its entry. A byte of width 0 adds
// nothing (and has no plate picture).
extern const std::array<int32_t, 256> plate_width_table;

}  // namespace glyphrig

#endif  // GLYPHRIG_GLYPHS_PLATE_WIDTH_TABLE_H_
