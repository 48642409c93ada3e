#ifndef GLYPHRIG_TOOLS_GLYPH_ART_CANVAS_H_
#define GLYPHRIG_TOOLS_GLYPH_ART_CANVAS_H_

#include <cstdint>
#include <vector>

namespace glyph_art {

struct rgb {
  std::uint8_t r = 0, g = 0, b = 0;
};

// The colour t of the way from a to b (t clamped to 0..1), for shading row by row.
rgb mix(rgb a, rgb b, double t);

// Anti-aliased coverage, 0..255 per pixel, as FreeType renders it.
struct coverage {
  int width = 0;
  int height = 0;
  std::vector<std::uint8_t> values;

  coverage() = default;
  coverage(int w, int h) : width(w), height(h), values(static_cast<std::size_t>(w) * h, 0) {}
  std::uint8_t at(int x, int y) const { return values[static_cast<std::size_t>(y) * width + x]; }
};

// Straight (not premultiplied) RGBA, the layout libpng writes. Fully transparent pixels
// are kept black so that ImageMagick's -normalize sees one colour for all of them.
class canvas {
 public:
  canvas(int width, int height);

  int width() const { return width_; }
  int height() const { return height_; }
  const std::vector<std::uint8_t>& rgba() const { return rgba_; }

  // The columns from `left` on, `count` of them, at full height.
  canvas columns(int left, int count) const;

  // Lays a coloured coverage over the canvas with its top left corner at (x, y); the colour
  // may change by row (shading), so it is asked per canvas row.
  void paint(const coverage& cover, int x, int y, const auto& row_colour) {
    for (int cy = 0; cy < cover.height; ++cy) {
      const int ty = y + cy;
      if (ty < 0 || ty >= height_) continue;
      const rgb colour = row_colour(ty);
      for (int cx = 0; cx < cover.width; ++cx) {
        const int tx = x + cx;
        if (tx < 0 || tx >= width_) continue;
        blend(tx, ty, colour, cover.at(cx, cy));
      }
    }
  }
  void paint(const coverage& cover, int x, int y, rgb colour) {
    paint(cover, x, y, [colour](int) { return colour; });
  }

 private:
  void blend(int x, int y, rgb colour, std::uint8_t alpha);

  int width_;
  int height_;
  std::vector<std::uint8_t> rgba_;
};

}  // namespace glyph_art

#endif  // GLYPHRIG_TOOLS_GLYPH_ART_CANVAS_H_
