#include "glyph_ink.h"

#include FT_GLYPH_H
#include FT_OUTLINE_H
#include FT_STROKER_H

#include <algorithm>
#include <cmath>
#include <cstring>
#include <stdexcept>
#include <string>

namespace glyph_art {
namespace {

struct glyph_handle {
  FT_Glyph glyph = nullptr;
  ~glyph_handle() {
    if (glyph != nullptr) FT_Done_Glyph(glyph);
  }
};

void check(FT_Error error, const char* what, char32_t ch) {
  if (error != 0) {
    throw std::runtime_error(std::string(what) + " failed for U+" +
                             std::to_string(static_cast<unsigned>(ch)));
  }
}

// Turns an outline glyph (consumed) into a placed coverage.
placed_coverage rasterise(glyph_handle& handle, char32_t ch) {
  check(FT_Glyph_To_Bitmap(&handle.glyph, FT_RENDER_MODE_NORMAL, nullptr, 1), "rendering", ch);
  const auto* bitmap_glyph = reinterpret_cast<FT_BitmapGlyph>(handle.glyph);
  const FT_Bitmap& bitmap = bitmap_glyph->bitmap;
  placed_coverage placed;
  placed.cover = coverage(static_cast<int>(bitmap.width), static_cast<int>(bitmap.rows));
  for (unsigned row = 0; row < bitmap.rows; ++row) {
    std::memcpy(&placed.cover.values[static_cast<std::size_t>(row) * bitmap.width],
                bitmap.buffer + static_cast<std::ptrdiff_t>(row) * bitmap.pitch, bitmap.width);
  }
  placed.left = bitmap_glyph->left;
  placed.top = bitmap_glyph->top;
  return placed;
}

}  // namespace

glyph_ink render_ink(FT_Library library, font_face& face, char32_t ch, double outline,
                     const shaping& shape) {
  FT_Face ft = face.get();
  FT_Matrix condense{.xx = static_cast<FT_Fixed>(std::lround(shape.x_scale * 0x10000)),
                     .xy = 0,
                     .yx = 0,
                     .yy = static_cast<FT_Fixed>(std::lround(shape.y_scale * 0x10000))};
  FT_Set_Transform(ft, &condense, nullptr);
  const FT_Error load = FT_Load_Char(ft, ch, FT_LOAD_NO_BITMAP);
  FT_Set_Transform(ft, nullptr, nullptr);
  check(load, "loading", ch);
  const squeeze& flatten = shape.flatten;
  if (flatten.above < 1.0 || flatten.below < 1.0) {
    // The outline is in 26.6 pixels, the baseline at 0.
    const double from = flatten.from_height * 64.0;
    FT_Outline& outline = ft->glyph->outline;
    for (int i = 0; i < outline.n_points; ++i) {
      FT_Pos& y = outline.points[i].y;
      if (y > from) y = std::lround(from + (static_cast<double>(y) - from) * flatten.above);
      if (y < 0) y = std::lround(static_cast<double>(y) * flatten.below);
    }
  }

  FT_Pos advance = ft->glyph->advance.x;
  if (shape.embolden != 0.0) {
    const auto strength = static_cast<FT_Pos>(std::lround(shape.embolden * 64.0));
    check(FT_Outline_EmboldenXY(&ft->glyph->outline, strength, 0), "emboldening", ch);
    advance += strength;
  }
  glyph_ink ink;
  ink.advance = static_cast<int>((advance + 32) >> 6);

  glyph_handle fill;
  check(FT_Get_Glyph(ft->glyph, &fill.glyph), "copying", ch);
  if (outline > 0.0) {
    glyph_handle border;
    check(FT_Glyph_Copy(fill.glyph, &border.glyph), "copying", ch);
    FT_Stroker stroker = nullptr;
    check(FT_Stroker_New(library, &stroker), "stroker", ch);
    FT_Stroker_Set(stroker, static_cast<FT_Fixed>(std::lround(outline * 64.0)),
                   FT_STROKER_LINECAP_ROUND, FT_STROKER_LINEJOIN_ROUND, 0);
    const FT_Error stroked = FT_Glyph_StrokeBorder(&border.glyph, stroker, 0, 1);
    FT_Stroker_Done(stroker);
    check(stroked, "stroking", ch);
    ink.border = rasterise(border, ch);
  }
  ink.fill = rasterise(fill, ch);
  return ink;
}

namespace {

// b laid over a, by the greater coverage of each pixel.
placed_coverage overlay(const placed_coverage& a, const placed_coverage& b, int dx, int dy) {
  if (b.empty()) return a;
  if (a.empty()) {
    placed_coverage moved = b;
    moved.left += dx;
    moved.top += dy;
    return moved;
  }
  const int left = std::min(a.left, b.left + dx);
  const int top = std::max(a.top, b.top + dy);
  const int right = std::max(a.left + a.cover.width, b.left + dx + b.cover.width);
  const int bottom = std::min(a.top - a.cover.height, b.top + dy - b.cover.height);
  placed_coverage both;
  both.left = left;
  both.top = top;
  both.cover = coverage(right - left, top - bottom);
  const auto lay = [&both](const placed_coverage& part, int x0, int y0) {
    for (int y = 0; y < part.cover.height; ++y) {
      for (int x = 0; x < part.cover.width; ++x) {
        std::uint8_t& value =
            both.cover.values[static_cast<std::size_t>(y + y0) * both.cover.width + x + x0];
        value = std::max(value, part.cover.at(x, y));
      }
    }
  };
  lay(a, a.left - left, top - a.top);
  lay(b, b.left + dx - left, top - (b.top + dy));
  return both;
}

}  // namespace

void overlay(glyph_ink& a, const glyph_ink& b, int dx, int dy) {
  a.fill = overlay(a.fill, b.fill, dx, dy);
  a.border = overlay(a.border, b.border, dx, dy);
}

}  // namespace glyph_art
