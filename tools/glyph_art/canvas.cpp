#include "canvas.h"

#include <algorithm>
#include <cmath>

namespace glyph_art {

rgb mix(rgb a, rgb b, double t) {
  t = std::clamp(t, 0.0, 1.0);
  const auto channel = [t](std::uint8_t p, std::uint8_t q) {
    return static_cast<std::uint8_t>(std::lround(p + (q - p) * t));
  };
  return rgb{.r = channel(a.r, b.r), .g = channel(a.g, b.g), .b = channel(a.b, b.b)};
}

canvas::canvas(int width, int height)
    : width_(width), height_(height), rgba_(static_cast<std::size_t>(width) * height * 4, 0) {}

canvas canvas::columns(int left, int count) const {
  canvas part(count, height_);
  for (int y = 0; y < height_; ++y) {
    const auto row = rgba_.begin() + (static_cast<std::ptrdiff_t>(y) * width_ + left) * 4;
    std::copy(row, row + static_cast<std::ptrdiff_t>(count) * 4,
              part.rgba_.begin() + static_cast<std::ptrdiff_t>(y) * count * 4);
  }
  return part;
}

void canvas::blend(int x, int y, rgb colour, std::uint8_t alpha) {
  if (alpha == 0) return;
  std::uint8_t* px = &rgba_[(static_cast<std::size_t>(y) * width_ + x) * 4];
  const double src_a = alpha / 255.0;
  const double dst_a = px[3] / 255.0;
  const double out_a = src_a + dst_a * (1.0 - src_a);
  const auto over = [&](std::uint8_t src, std::uint8_t dst) {
    const double v = (src * src_a + dst * dst_a * (1.0 - src_a)) / out_a;
    return static_cast<std::uint8_t>(std::lround(v));
  };
  px[0] = over(colour.r, px[0]);
  px[1] = over(colour.g, px[1]);
  px[2] = over(colour.b, px[2]);
  px[3] = static_cast<std::uint8_t>(std::lround(out_a * 255.0));
}

}  // namespace glyph_art
