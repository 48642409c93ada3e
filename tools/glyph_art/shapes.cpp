#include "shapes.h"

#include FT_OUTLINE_H

#include <array>
#include <cmath>
#include <stdexcept>

namespace glyph_art {
namespace {

// Control point distance that makes a cubic Bezier a close quarter circle.
constexpr double kQuarterCircle = 0.5523;

}  // namespace

coverage cover_box(FT_Library library, int width, int height, const rounded_box& box) {
  const double r = box.radius;
  const double k = r * kQuarterCircle;
  const double x0 = box.left, y0 = box.top, x1 = box.right, y1 = box.bottom;
  struct point {
    double x, y;
    bool on_curve;
  };
  const auto on = [](double x, double y) { return point{.x = x, .y = y, .on_curve = true}; };
  const auto control = [](double x, double y) { return point{.x = x, .y = y, .on_curve = false}; };
  // Clockwise on screen from the top edge, a line for each edge by its two ends and the corner
  // after it by the two control points of a cubic arc.
  const std::array<point, 16> points = {
      on(x0 + r, y0), on(x1 - r, y0), control(x1 - r + k, y0), control(x1, y0 + r - k),
      on(x1, y0 + r), on(x1, y1 - r), control(x1, y1 - r + k), control(x1 - r + k, y1),
      on(x1 - r, y1), on(x0 + r, y1), control(x0 + r - k, y1), control(x0, y1 - r + k),
      on(x0, y1 - r), on(x0, y0 + r), control(x0, y0 + r - k), control(x0 + r - k, y0),
  };

  std::array<FT_Vector, 16> vectors{};
  std::array<char, 16> tags{};
  for (std::size_t i = 0; i < points.size(); ++i) {
    // FreeType's y axis points up from the bottom row.
    vectors[i].x = std::lround(points[i].x * 64.0);
    vectors[i].y = std::lround((height - points[i].y) * 64.0);
    tags[i] = points[i].on_curve ? FT_CURVE_TAG_ON : FT_CURVE_TAG_CUBIC;
  }
  std::array<short, 1> ends = {static_cast<short>(points.size() - 1)};
  FT_Outline outline{};
  outline.n_points = static_cast<short>(points.size());
  outline.n_contours = 1;
  outline.points = vectors.data();
  outline.tags = tags.data();
  outline.contours = ends.data();
  outline.flags = FT_OUTLINE_NONE;

  coverage cover(width, height);
  FT_Bitmap bitmap{};
  bitmap.rows = static_cast<unsigned>(height);
  bitmap.width = static_cast<unsigned>(width);
  bitmap.pitch = width;
  bitmap.buffer = cover.values.data();
  bitmap.num_grays = 256;
  bitmap.pixel_mode = FT_PIXEL_MODE_GRAY;
  if (FT_Outline_Get_Bitmap(library, &outline, &bitmap) != 0) {
    throw std::runtime_error("FreeType could not render a background shape");
  }
  return cover;
}

}  // namespace glyph_art
