#include "backgrounds.h"

#include "canvas.h"
#include "png_file.h"
#include "shapes.h"

namespace glyph_art {
namespace {

constexpr Rgb kSignGreen{0, 106, 66};
constexpr Rgb kSignWhite{246, 246, 240};
constexpr Rgb kPlateTop{250, 248, 236};
constexpr Rgb kPlateBottom{226, 223, 206};
constexpr Rgb kPlateRim{34, 38, 44};
constexpr Rgb kBoltFace{176, 180, 186};
constexpr Rgb kBoltShadow{96, 100, 108};

// The plate from plate_left to plate_right (which may lie beyond the canvas) seen through a
// canvas of the given width. Every row is one colour away from the ends, so pieces cut
// anywhere there join without a seam.
Canvas plate_view(FT_Library library, int width, int height, double plate_left,
                  double plate_right) {
  Canvas canvas(width, height);
  const double h = height;
  canvas.paint(cover_box(library, width, height, {plate_left, 0, plate_right, h, 8}), 0, 0,
               kPlateRim);
  canvas.paint(cover_box(library, width, height, {plate_left + 2, 2, plate_right - 2, h - 2, 6.5}),
               0, 0, [&](int row) { return mix(kPlateTop, kPlateBottom, row / h); });
  canvas.paint(cover_box(library, width, height, {plate_left + 4, 4, plate_right - 4, h - 4, 5}), 0,
               0, kPlateRim);
  canvas.paint(
      cover_box(library, width, height, {plate_left + 5.5, 5.5, plate_right - 5.5, h - 5.5, 4}), 0,
      0, [&](int row) { return mix(kPlateTop, kPlateBottom, row / h); });
  for (double centre : {plate_left + 14.0, plate_right - 14.0}) {
    if (centre < 0 || centre > width) continue;
    const double mid = h / 2;
    canvas.paint(cover_box(library, width, height, {centre - 4, mid - 4, centre + 4, mid + 4, 4}),
                 0, 0, kBoltShadow);
    canvas.paint(
        cover_box(library, width, height, {centre - 3, mid - 3.5, centre + 3, mid + 2.5, 3}), 0, 0,
        kBoltFace);
  }
  return canvas;
}

}  // namespace

void write_street_sign(const FreeType& freetype, const std::filesystem::path& alphabet,
                       int glyph_height, int sign_width) {
  FT_Library library = freetype.get();
  const int height = glyph_height + 26;
  const double w = sign_width;
  const double h = height;
  Canvas sign(sign_width, height);
  sign.paint(cover_box(library, sign_width, height, {0, 0, w, h, 12}), 0, 0, kSignGreen);
  sign.paint(cover_box(library, sign_width, height, {4, 4, w - 4, h - 4, 9}), 0, 0, kSignWhite);
  sign.paint(cover_box(library, sign_width, height, {7, 7, w - 7, h - 7, 6.5}), 0, 0, kSignGreen);
  write_png(alphabet / "street" / "background_street.png", sign);
}

void write_plates(const FreeType& freetype, const std::filesystem::path& alphabet,
                  int glyph_height) {
  FT_Library library = freetype.get();
  const int height = glyph_height + 16;
  const auto car = alphabet / "car";
  // The ends reach well past the pieces' inner edges so that no rounding shows at a join.
  const double beyond = 100;
  write_png(car / "background_car.png",
            plate_view(library, kFixedPlateWidth, height, 0, kFixedPlateWidth));
  write_png(car / "background_left.png",
            plate_view(library, kPlateEndWidth, height, 0, kPlateEndWidth + beyond));
  write_png(car / "background_middle.png",
            plate_view(library, kPlateMiddleWidth, height, -beyond, kPlateMiddleWidth + beyond));
  write_png(car / "background_right.png",
            plate_view(library, kPlateEndWidth, height, -beyond, kPlateEndWidth));
}

}  // namespace glyph_art
