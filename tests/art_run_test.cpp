// Real runs of the built program in a copy of the working tree, with the system's
// ImageMagick doing the work: the pictures that a user gets.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

#include "build_paths.h"
#include "dialogue/typed_text.h"
#include "glyphs/glyph_pass.h"
#include "glyphs/plate_width_table.h"
#include "imaging/image_commands.h"
#include "scratch_tree.h"
#include "tree_probe.h"

namespace glyphrig {
namespace {

const std::filesystem::path kTree = build_paths::tree();

class RealRun : public ::testing::Test {
 protected:
  RealRun() {
    std::filesystem::copy(kTree, dir_.path(), std::filesystem::copy_options::recursive);
    std::filesystem::remove(dir_.path() / "result.png");
  }

  // Answers the dialogue with input; returns what the program wrote, its
  // complaints and the tools' included.
  std::string run(const std::string& input, bool expect_done = true) {
    dir_.write("answers.txt", input);
    capture("cd '" + dir_.path().string() + "' && ./glyphrig <answers.txt >said.txt 2>&1");
    const std::string said = dir_.read("said.txt");
    EXPECT_EQ(said.find("done") != std::string::npos, expect_done) << said;
    for (const char* piece : {"left.png", "mid.png", "right.png", "background.png"}) {
      EXPECT_FALSE(dir_.exists(std::string("alphabet/") + piece)) << piece << " left behind";
    }
    return said;
  }

  picture_size result_size() const { return size_of(dir_.path() / "result.png"); }
  picture result() const { return load_picture(dir_.path() / "result.png"); }
  picture_size tree_size(const std::string& relative) const {
    return size_of(kTree / "alphabet" / relative);
  }

  scratch_dir dir_;
};

TEST_F(RealRun, LargeLineIsAsWideAsItsGlyphs) {
  run("1\n0\nGo now\n");
  int width = 0;
  for (int byte : {71, 79, 32, 78, 79, 87})
    width += tree_size("large/" + std::to_string(byte) + ".png").width;
  EXPECT_EQ(result_size(), (picture_size{width, tree_size("large/65.png").height}));
}

TEST_F(RealRun, TintedLargeLineIsBrightestInTheColourWithDarkEdges) {
  run("1\n10\nGo now\n");
  const picture pic = result();
  ASSERT_FALSE(pic.rgba.empty());
  int brightest = -1;
  for (int y = 0; y < pic.height; ++y) {
    for (int x = 0; x < pic.width; ++x) {
      const std::uint8_t* px = pic.at(x, y);
      if (px[3] > 0) brightest = std::max(brightest, px[0] + px[1] + px[2]);
    }
  }
  int at_brightest = 0;
  int edges = 0;
  int dark_edges = 0;
  for (int y = 0; y < pic.height; ++y) {
    for (int x = 0; x < pic.width; ++x) {
      const std::uint8_t* px = pic.at(x, y);
      if (px[3] > 0 && px[0] + px[1] + px[2] == brightest) {
        ++at_brightest;
        EXPECT_EQ(px[0], 0xff);
        EXPECT_EQ(px[1], 0x63);
        EXPECT_EQ(px[2], 0x12);
      }
      // The outermost visible ring of the letters, next to the clear ground.
      if (px[3] == 0) continue;
      const bool by_clear =
          (x > 0 && pic.alpha(x - 1, y) == 0) || (x + 1 < pic.width && pic.alpha(x + 1, y) == 0) ||
          (y > 0 && pic.alpha(x, y - 1) == 0) || (y + 1 < pic.height && pic.alpha(x, y + 1) == 0);
      if (!by_clear) continue;
      ++edges;
      dark_edges += pic.value(x, y) <= 80;
    }
  }
  EXPECT_GT(at_brightest, 0);
  ASSERT_GT(edges, 0);
  EXPECT_GE(dark_edges * 10, edges * 9) << dark_edges << " of " << edges << " edge pixels dark";
}

// A joined picture would keep its first part's size as its page, and whatever
// honours the page (flattening onto a colour, say) would cut the picture to it.
TEST_F(RealRun, EveryPictureIsItsOwnPage) {
  for (const char* answers : {"0\n0\nHi there\n", "1\n10\nGo now\n", "3\nMain St\n",
                              "4\nGR 26\nn\n", "4\nGR 26\ny\n", "4\nGLYPHRIG 2026 ABC\ny\n"}) {
    run(answers);
    const std::string identify = "identify -format ";
    const std::string file = " '" + (dir_.path() / "result.png").string() + "'";
    EXPECT_EQ(capture(identify + "%g" + file), capture(identify + "%wx%h+0+0" + file)) << answers;
  }
}

TEST_F(RealRun, FixedPlateKeepsTheSizeOfThePlatePicture) {
  run("4\nGLYPHRIG\nn\n");
  EXPECT_EQ(result_size(), tree_size("car/background_car.png"));
}

// The fixed plate does not grow: a line wider than its lettering is refused, as on the
// largest fitted plate.
TEST_F(RealRun, AFixedPlateRefusesALineWiderThanItsLettering) {
  const std::string said = run("4\nIN LOVING MEMORY OF DAD 1952\nn\n", false);
  EXPECT_TRUE(
      said.ends_with("\nWorking...\n\nYour text is too long for a license plate. Please "
                     "retry with shorter text!\n"))
      << said;
  EXPECT_FALSE(dir_.exists("result.png"));
}

// Answered with a typed code: what ImageMagick says of a code it does not know is
// not shown, and the code asked for again.
TEST_F(RealRun, TypedColourCodesTintAsImageMagickKnowsThemAndOthersAreAskedAgain) {
  const struct {
    const char* codes;
    int asked_again;
    std::uint8_t red, green, blue;
  } cases[] = {
      {"FF0000", 0, 0xff, 0, 0},
      {"f00", 0, 0xff, 0, 0},
      {"reed\n#00ff00", 1, 0, 0xff, 0},
      {"#ff00001\ndark blue\nblue", 2, 0, 0, 0xff},
  };
  for (const auto& c : cases) {
    const std::string said = run("0\n8\n" + std::string(c.codes) + "\nHI\n");
    EXPECT_EQ(said.find("convert"), std::string::npos) << said;
    size_t retries = 0;
    for (size_t at = 0;
         (at = said.find("Please enter a correct color code: ", at)) != std::string::npos; ++at) {
      ++retries;
    }
    EXPECT_EQ(retries, static_cast<size_t>(c.asked_again)) << c.codes;
    const picture pic = result();
    int brightest = -1;
    const std::uint8_t* seen = nullptr;
    for (int y = 0; y < pic.height; ++y) {
      for (int x = 0; x < pic.width; ++x) {
        const std::uint8_t* px = pic.at(x, y);
        if (px[3] == 255 && px[0] + px[1] + px[2] > brightest) {
          brightest = px[0] + px[1] + px[2];
          seen = px;
        }
      }
    }
    ASSERT_NE(seen, nullptr) << c.codes;
    EXPECT_EQ((std::vector<int>{seen[0], seen[1], seen[2]}),
              (std::vector<int>{c.red, c.green, c.blue}))
        << c.codes;
  }
}

// A line that the sign holds keeps the sign; a longer one gets a sign as much wider
// as it needs for the same room beside it as above and below, whose ends are the
// sign's own.
TEST_F(RealRun, StreetSignGrowsWithItsLineAndKeepsItsEnds) {
  const picture sign = load_picture(kTree / "alphabet/street/background_street.png");
  const int room = sign.height - tree_size("street/65.png").height;
  std::string six_names;
  for (int i = 0; i < 6; ++i) six_names += "Long Street Name ";
  const std::string bremen =
      "B\xC3\xBCrgermeister-Smidt-Stra\xC3\x9F"
      "e";
  for (const std::string& typed :
       {std::string("Harbour Road"), bremen, bremen + " Nord Ost", six_names}) {
    run("3\n" + typed + "\n");
    render_request request;
    request.font_kind = font_kind::street;
    request.glyphs = to_glyphs(typed, typeface_of(request.font_kind), [](std::string_view) {
                       return "";
                     }).glyphs;
    int strip = 0;
    for (const std::string& glyph : command_words(glyph_pass(request).glyph_list)) {
      strip += size_of(kTree / glyph).width;
    }
    const picture pic = result();
    ASSERT_EQ(pic.height, sign.height) << typed;
    EXPECT_EQ(pic.width, std::max(sign.width, strip + room)) << typed;
    if (pic.width == sign.width) continue;
    const auto same = [](const std::uint8_t* a, const std::uint8_t* b) {
      return std::equal(a, a + 4, b);
    };
    // No letter comes nearer the edge than room / 2.
    for (int y = 0; y < sign.height; ++y) {
      for (int x = 0; x < room / 2; ++x) {
        ASSERT_TRUE(same(pic.at(x, y), sign.at(x, y))) << typed << " " << x << "," << y;
        ASSERT_TRUE(same(pic.at(pic.width - 1 - x, y), sign.at(sign.width - 1 - x, y)))
            << typed << " right " << x << "," << y;
      }
    }
  }
}

struct plate_letters_case {
  std::string typed;  // UTF-8
  int text_width;     // of what the plate draws
  std::string left_out;
};

void PrintTo(const plate_letters_case& c, std::ostream* os) { *os << c.typed; }

class PlateLetters : public RealRun, public ::testing::WithParamInterface<plate_letters_case> {};

// A fitted plate is as wide as the letters it draws, and what it cannot draw
// is named and never handed to ImageMagick, which would complain of it.
TEST_P(PlateLetters, AreCountedByTheirWidthsAndWhatIsLeftOutIsNamedOnly) {
  const plate_letters_case& c = GetParam();
  const std::string said = run("4\n" + c.typed + "\ny\n");
  EXPECT_EQ(said.find("convert:"), std::string::npos) << said;
  const std::string named = "Left out, as this font has no picture for them:";
  if (c.left_out.empty()) {
    EXPECT_EQ(said.find(named), std::string::npos) << said;
  } else {
    EXPECT_NE(said.find(named + " " + c.left_out + "\n"), std::string::npos) << said;
  }
  const picture_size left = tree_size("car/background_left.png");
  const int right = tree_size("car/background_right.png").width;
  EXPECT_EQ(result_size(), (picture_size{left.width + right - 202 + c.text_width, left.height}));
}

INSTANTIATE_TEST_SUITE_P(
    Typed, PlateLetters,
    ::testing::Values(plate_letters_case{"\xC3\x84", 12,
                                         ""},  // Ä, byte 142
                                               // ÚLTIMO café: Ú is byte 233, é is drawn as É
                      plate_letters_case{"\xC3\x9ALTIMO caf\xC3\xA9", 136, ""},
                      plate_letters_case{"AB?C", 36, "?"},
                      // АВ 123 Х typed in Cyrillic: drawn as AB 123 X
                      plate_letters_case{"\xD0\x90\xD0\x92 123 \xD0\xA5", 96, ""}));

// One W more than ImageMagick's width policy allows in the chat font: the
// join is refused, and what ImageMagick writes in its place, a picture per
// glyph, is removed, so that the tree is left as it was.
TEST_F(RealRun, APictureTooWideForImageMagicksPolicyIsRefusedAndNothingIsLeft) {
  const auto limit = imagemagick_width_limit();
  if (!limit) GTEST_SKIP() << "this ImageMagick sets no width limit";
  ASSERT_GT(*limit, 0) << "ImageMagick allows no width at all";
  const int w = tree_size("normal/87.png").width;
  ASSERT_GT(w, 0);
  const auto files = [&] {
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(dir_.path())) {
      names.push_back(entry.path().lexically_relative(dir_.path()).string());
    }
    std::sort(names.begin(), names.end());
    return names;
  };
  dir_.write("answers.txt", "");
  dir_.write("said.txt", "");
  const std::vector<std::string> before = files();
  dir_.write("result.png", "an earlier picture");
  const std::string said = run("0\n0\n" + std::string(*limit / w + 1, 'W') + "\n", false);
  EXPECT_NE(said.find("exceeds limit"), std::string::npos) << said;
  EXPECT_EQ(files(), before);
}

class FittedPlate : public RealRun, public ::testing::WithParamInterface<std::string> {};

// The background grows by one pixel for each pixel of text, from two pieces up to 202
// pixels of text and three up to 316.
TEST_P(FittedPlate, GrowsWithTheText) {
  const std::string text = GetParam();
  int w = 0;
  for (char c : text) {
    const auto byte = static_cast<unsigned char>(c >= 'a' && c <= 'z' ? c - 32 : c);
    w += plate_width_table[byte];
  }
  run("4\n" + text + "\ny\n");
  const picture_size left = tree_size("car/background_left.png");
  const int middle = tree_size("car/background_middle.png").width;
  const int right = tree_size("car/background_right.png").width;
  const int width = w <= 202 ? left.width + right - 202 + w : left.width + middle + right - 316 + w;
  EXPECT_EQ(result_size(), (picture_size{width, left.height})) << "text width " << w;
}

INSTANTIATE_TEST_SUITE_P(Widths, FittedPlate,
                         ::testing::Values("I",                      // 9, two cut pieces
                                           "MMMMM!",                 // 101
                                           "MMMMM1",                 // 102, whole right piece
                                           "hello world",            // 143
                                           "WWWWWWWWAK",             // 202
                                           "WWWWWWWWXA",             // 203, three pieces
                                           "Meet at the old docks",  // 262
                                           "WWWWWWWWWWWWWAA!"));     // 316

}  // namespace

}  // namespace glyphrig
