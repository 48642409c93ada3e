#include "shapes.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

#include "faces.h"

namespace {

double covered_area(const glyph_art::coverage& cover) {
  double area = 0;
  for (auto v : cover.values) area += v / 255.0;
  return area;
}

TEST(Shapes, RoundedBoxCoversItsAreaAndIsCutAtTheCanvas) {
  const glyph_art::freetype_library freetype;
  const double corner_loss = 4.0 - std::numbers::pi;  // per squared radius
  const struct {
    glyph_art::rounded_box box;
    double area;
  } cases[] = {
      {.box = {.left = 10, .top = 10, .right = 90, .bottom = 40, .radius = 0}, .area = 80.0 * 30.0},
      {.box = {.left = 10, .top = 10, .right = 90, .bottom = 40, .radius = 8},
       .area = 80.0 * 30.0 - corner_loss * 64},
      // a bolt: a circle
      {.box = {.left = 20, .top = 5, .right = 36, .bottom = 21, .radius = 8},
       .area = std::numbers::pi * 64},
      // ends beyond both sides: plain plate
      {.box = {.left = -50, .top = 0, .right = 150, .bottom = 50, .radius = 8},
       .area = 100.0 * 50.0},
      // left end only
      {.box = {.left = 0, .top = 0, .right = 160, .bottom = 50, .radius = 8},
       .area = 100.0 * 50.0 - corner_loss * 64 / 2},
  };
  for (const auto& c : cases) {
    const glyph_art::coverage cover = glyph_art::cover_box(freetype.get(), 100, 50, c.box);
    EXPECT_NEAR(covered_area(cover), c.area, c.area * 0.02)
        << c.box.left << "," << c.box.top << " to " << c.box.right << "," << c.box.bottom;
  }
}

}  // namespace
