#include "imaging/whole_png.h"

#include <gtest/gtest.h>

#include <string>

#include "scratch_tree.h"
#include "stand_in_pictures.h"

namespace glyphrig {
namespace {

TEST(WholePng, TakesTheSizeFromTheHeaderAndTheEndFromIend) {
  const std::string png = blank_png(300, 7);
  const struct {
    const char* name;
    std::string content;
    std::optional<png_size> header;
    std::optional<png_size> whole;
  } cases[] = {
      {"whole", png, png_size{300, 7}, png_size{300, 7}},
      {"its last byte lost", png.substr(0, png.size() - 1), png_size{300, 7}, std::nullopt},
      {"cut after the header", png.substr(0, 33), png_size{300, 7}, std::nullopt},
      {"cut inside the header", png.substr(0, 20), std::nullopt, std::nullopt},
      {"only an end", png.substr(png.size() - 12), std::nullopt, std::nullopt},
      {"empty", "", std::nullopt, std::nullopt},
      {"another kind of file", "GIF89a" + png.substr(6), std::nullopt, std::nullopt},
  };
  scratch_dir dir;
  for (const auto& c : cases) {
    dir.write("p.png", c.content);
    const std::string path = (dir.path() / "p.png").string();
    EXPECT_EQ(png_header_size(path), c.header) << c.name;
    EXPECT_EQ(whole_png_size(path), c.whole) << c.name;
  }
  EXPECT_EQ(whole_png_size((dir.path() / "none.png").string()), std::nullopt);
}

}  // namespace
}  // namespace glyphrig
