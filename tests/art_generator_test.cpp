// The parts of the glyph generator whose faults would not show in a single picture:
// the code page table, the missing-font message and the background shapes.
#include <gtest/gtest.h>
#include <iconv.h>

#include <cmath>
#include <numbers>
#include <stdexcept>
#include <string>

#include "cp850.hpp"
#include "faces.hpp"
#include "shapes.hpp"

namespace {

// The C library's own CP850 converter, an independent copy of the table.
char32_t system_cp850(unsigned char byte) {
  iconv_t cd = iconv_open("UTF-32LE", "CP850");
  if (cd == reinterpret_cast<iconv_t>(-1)) return 0xFFFFFFFF;
  char in = static_cast<char>(byte);
  unsigned char out[4] = {};
  char* in_ptr = &in;
  char* out_ptr = reinterpret_cast<char*>(out);
  std::size_t in_left = 1;
  std::size_t out_left = sizeof out;
  const std::size_t done = iconv(cd, &in_ptr, &in_left, &out_ptr, &out_left);
  iconv_close(cd);
  if (done == static_cast<std::size_t>(-1)) return 0xFFFFFFFF;
  return out[0] | out[1] << 8 | out[2] << 16 | static_cast<char32_t>(out[3]) << 24;
}

TEST(Cp850, DrawsEveryPrintableByteAsTheSystemConverterDoes) {
  for (int byte = 0; byte < 256; ++byte) {
    const auto b = static_cast<unsigned char>(byte);
    if (byte < 32 || byte == 127) {
      EXPECT_EQ(glyph_art::cp850_to_unicode(b), 0u) << "control byte " << byte;
    } else {
      EXPECT_EQ(glyph_art::cp850_to_unicode(b), system_cp850(b)) << "byte " << byte;
    }
  }
}

TEST(Faces, MissingOrBrokenFontNamesThePackageToInstall) {
  const glyph_art::FreeType freetype;
  const struct {
    std::string path;
    std::string problem;
  } cases[] = {
      {"/nonexistent/Missing-Bold.ttf", "is missing"},
      {"/etc/hostname", "cannot be read"},
  };
  for (const auto& c : cases) {
    try {
      glyph_art::Face face(freetype, {c.path, "fonts-example"});
      ADD_FAILURE() << c.path << " was accepted";
    } catch (const std::runtime_error& e) {
      const std::string message = e.what();
      EXPECT_NE(message.find(c.problem), std::string::npos) << message;
      EXPECT_NE(message.find(c.path), std::string::npos) << message;
      EXPECT_NE(message.find("apt-get install fonts-example"), std::string::npos) << message;
    }
  }
}

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
