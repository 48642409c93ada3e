#include "canvas.h"

#include <algorithm>
#include <cmath>

namespace glyph_art {

Rgb mix(Rgb a, Rgb b, double t) {
  t = std::clamp(t, 0.0, 1.0);
  const auto channel = [t](std::uint8_t p, std::uint8_t q) {
    return static_cast<std::uint8_t>(std::lround(p + (q - p) * t));
  };
  return Rgb{channel(a.r, b.r), channel(a.g, b.g), channel(a.b, b.b)};
}

Canvas::Canvas(int width, int height)
    : width_(width), height_(height), rgba_(static_cast<std::size_t>(width) * height * 4, 0) {}

void Canvas::blend(int x, int y, Rgb colour, std::uint8_t alpha) {
  if (alpha == 0) return;
  std::uint8_t* px = &rgba_[(static_cast<std::size_t>(y) * width_ + x) * 4];
  const double src_a = alpha / 255.0;
  const double dst_a = px[3] / 255.0;
  const double out_a = src_a + dst_a * (1.0 - src_a);
  const auto mix = [&](std::uint8_t src, std::uint8_t dst) {
    const double v = (src * src_a + dst * dst_a * (1.0 - src_a)) / out_a;
    return static_cast<std::uint8_t>(std::lround(v));
  };
  px[0] = mix(colour.r, px[0]);
  px[1] = mix(colour.g, px[1]);
  px[2] = mix(colour.b, px[2]);
  px[3] = static_cast<std::uint8_t>(std::lround(out_a * 255.0));
}

void Canvas::draw(const Canvas& other, int x, int y) {
  for (int oy = 0; oy < other.height_; ++oy) {
    for (int ox = 0; ox < other.width_; ++ox) {
      const int tx = x + ox;
      const int ty = y + oy;
      if (tx < 0 || ty < 0 || tx >= width_ || ty >= height_) continue;
      const std::uint8_t* px = &other.rgba_[(static_cast<std::size_t>(oy) * other.width_ + ox) * 4];
      blend(tx, ty, Rgb{px[0], px[1], px[2]}, px[3]);
    }
  }
}

}  // namespace glyph_art
