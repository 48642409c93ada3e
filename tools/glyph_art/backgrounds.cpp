#include "backgrounds.h"

#include "canvas.h"
#include "png_file.h"
#include "shapes.h"

namespace glyph_art {
namespace {

// Widths of the plate pieces. The program cuts up to 101 columns off the left and right
// pieces and up to 113 off the middle one; what remains of the ends must still show the
// plate's rim and bolt.
constexpr int kPlateEndWidth = 140;
constexpr int kPlateMiddleWidth = 130;
constexpr int kFixedPlateWidth = 330;
// The ends of the street sign, wider than its rounded corners (the rim's
// curves end 14 columns in).
constexpr int kSignEndWidth = 16;

constexpr rgb kSignGreen{.r = 0, .g = 106, .b = 66};
constexpr rgb kSignWhite{.r = 246, .g = 246, .b = 240};
constexpr rgb kPlateTop{.r = 250, .g = 248, .b = 236};
constexpr rgb kPlateBottom{.r = 226, .g = 223, .b = 206};
constexpr rgb kPlateRim{.r = 34, .g = 38, .b = 44};
constexpr rgb kBoltFace{.r = 176, .g = 180, .b = 186};
constexpr rgb kBoltShadow{.r = 96, .g = 100, .b = 108};

// The box moved in by the same distance on every side, for the rims of signs and plates.
rounded_box inset(const rounded_box& box, double by, double radius) {
  return {.left = box.left + by,
          .top = box.top + by,
          .right = box.right - by,
          .bottom = box.bottom - by,
          .radius = radius};
}

// colour is one colour or, for shading, a colour per canvas row.
void paint_box(FT_Library library, canvas& picture, const rounded_box& box, const auto& colour) {
  picture.paint(cover_box(library, picture.width(), picture.height(), box), 0, 0, colour);
}

// The plate from plate_left to plate_right (which may lie beyond the canvas) seen through a
// canvas of the given width. Every row is one colour away from the ends, so pieces cut
// anywhere there join without a seam.
canvas plate_view(FT_Library library, int width, int height, double plate_left,
                  double plate_right) {
  canvas view(width, height);
  const double h = height;
  const auto shading = [&](int row) { return mix(kPlateTop, kPlateBottom, row / h); };
  const rounded_box plate{
      .left = plate_left, .top = 0, .right = plate_right, .bottom = h, .radius = 8};
  paint_box(library, view, plate, kPlateRim);
  paint_box(library, view, inset(plate, 2, 6.5), shading);
  paint_box(library, view, inset(plate, 4, 5), kPlateRim);
  paint_box(library, view, inset(plate, 5.5, 4), shading);
  for (double centre : {plate_left + 14.0, plate_right - 14.0}) {
    if (centre < 0 || centre > width) continue;
    const double mid = h / 2;
    paint_box(
        library, view,
        {.left = centre - 4, .top = mid - 4, .right = centre + 4, .bottom = mid + 4, .radius = 4},
        kBoltShadow);
    paint_box(library, view,
              {.left = centre - 3,
               .top = mid - 3.5,
               .right = centre + 3,
               .bottom = mid + 2.5,
               .radius = 3},
              kBoltFace);
  }
  return view;
}

void write_street_sign(FT_Library library, const std::filesystem::path& folder,
                       const folder_report& report) {
  // Room for twenty capitals and a margin inside the rim; the framing keeps this size.
  const int width = static_cast<int>(20 * report.capital_width) + 80;
  const int height = report.height + 26;
  canvas sign(width, height);
  const rounded_box edge{.left = 0,
                         .top = 0,
                         .right = static_cast<double>(width),
                         .bottom = static_cast<double>(height),
                         .radius = 12};
  paint_box(library, sign, edge, kSignGreen);
  paint_box(library, sign, inset(edge, 4, 9), kSignWhite);
  paint_box(library, sign, inset(edge, 7, 6.5), kSignGreen);
  write_png(folder / "background_street.png", sign);
  // A longer line gets a sign joined from these: its two ends, whole corners
  // and all, and one column of its middle, which the program draws out to the
  // width the line needs.
  write_png(folder / "background_left.png", sign.columns(0, kSignEndWidth));
  write_png(folder / "background_middle.png", sign.columns(width / 2, 1));
  write_png(folder / "background_right.png", sign.columns(width - kSignEndWidth, kSignEndWidth));
}

void write_plates(FT_Library library, const std::filesystem::path& folder,
                  const folder_report& report) {
  const int height = report.height + 16;
  // The ends reach well past the pieces' inner edges so that no rounding shows at a join.
  const double beyond = 100;
  write_png(folder / "background_car.png",
            plate_view(library, kFixedPlateWidth, height, 0, kFixedPlateWidth));
  write_png(folder / "background_left.png",
            plate_view(library, kPlateEndWidth, height, 0, kPlateEndWidth + beyond));
  write_png(folder / "background_middle.png",
            plate_view(library, kPlateMiddleWidth, height, -beyond, kPlateMiddleWidth + beyond));
  write_png(folder / "background_right.png",
            plate_view(library, kPlateEndWidth, height, -beyond, kPlateEndWidth));
}

}  // namespace

void write_background(const freetype_library& freetype, const folder_look& look,
                      const folder_report& report, const std::filesystem::path& alphabet) {
  const auto folder = alphabet / look.folder();
  switch (look.face.backdrop) {
    case glyphrig::backdrop::none:
      return;
    case glyphrig::backdrop::street_sign:
      write_street_sign(freetype.get(), folder, report);
      return;
    case glyphrig::backdrop::licence_plate:
      write_plates(freetype.get(), folder, report);
      return;
  }
}

}  // namespace glyph_art
