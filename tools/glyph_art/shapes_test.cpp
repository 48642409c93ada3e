#include "shapes.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

#include "faces.h"

namespace {

double covered_area(const glyph_art::Coverage& cover) {
  double area = 0;
  for (auto v : cover.values) area += v / 255.0;
  return area;
}

TEST(Shapes, RoundedBoxCoversItsAreaAndIsCutAtTheCanvas) {
  const glyph_art::FreeType freetype;
  const double corner_loss = 4.0 - std::numbers::pi;  // per squared radius
  const struct {
    glyph_art::RoundedBox box;
    double area;
  } cases[] = {
      {{10, 10, 90, 40, 0}, 80.0 * 30.0},
      {{10, 10, 90, 40, 8}, 80.0 * 30.0 - corner_loss * 64},
      {{20, 5, 36, 21, 8}, std::numbers::pi * 64},  // a bolt: a circle
      {{-50, 0, 150, 50, 8}, 100.0 * 50.0},         // ends beyond both sides: plain plate
      {{0, 0, 160, 50, 8}, 100.0 * 50.0 - corner_loss * 64 / 2},  // left end only
  };
  for (const auto& c : cases) {
    const glyph_art::Coverage cover = glyph_art::cover_box(freetype.get(), 100, 50, c.box);
    EXPECT_NEAR(covered_area(cover), c.area, c.area * 0.02)
        << c.box.left << "," << c.box.top << " to " << c.box.right << "," << c.box.bottom;
  }
}

}  // namespace
