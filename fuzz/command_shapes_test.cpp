#include "command_shapes.h"

#include <gtest/gtest.h>

#include <string>

#include "glyphs/character_glyphs.h"
#include "glyphs/glyph_pass.h"
#include "imaging/image_commands.h"

namespace glyphrig {
namespace {

const std::string kConvert = "imagemagick\\convert.exe ";
const std::string kTint =
    kConvert + "result.png -channel RGB -colorspace Gray -normalize +level-colors black,";

struct shape_case {
  std::string line;
  bool known;
};

TEST(IsProgramCommand, KnowsEachShapeAndNothingNearIt) {
  const shape_case cases[] = {
      {"cls", true},
      {"cls ", false},
      {"CLS", false},
      {"alphabet\\remove_temp.bat", true},
      {"alphabet/remove_temp.bat", false},
      // The strip.
      {kConvert + " +append +repage result.png", true},
      {kConvert + "alphabet/large/65.png alphabet/large/0.png alphabet/large/255.png  +append "
                  "+repage result.png",
       true},
      {kConvert + "alphabet/normal/97.png alphabet/normal/123.png  +append +repage result.png",
       true},
      {kConvert + "alphabet/car/90.png alphabet/car/96.png  +append +repage result.png", true},
      {kConvert + "alphabet/menu/u0416.png alphabet/menu/u20AC.png  +append +repage result.png",
       true},
      {kConvert + "alphabet/car/u0416.png  +append +repage result.png", false},  // a plate has none
      {kConvert + "alphabet/normal/u00E9.png  +append +repage result.png", false},  // é is 130
      {kConvert + "alphabet/normal/u20ac.png  +append +repage result.png", false},
      {kConvert + "alphabet/car/124.png  +append +repage result.png", false},     // no plate width
      {kConvert + "alphabet/large/97.png  +append +repage result.png", false},    // not folded
      {kConvert + "alphabet/street/123.png  +append +repage result.png", false},  // not folded
      {kConvert + "alphabet/large/65.png alphabet/menu/65.png  +append +repage result.png", false},
      {kConvert + "alphabet/large/256.png  +append +repage result.png", false},
      {kConvert + "alphabet/large/065.png  +append +repage result.png", false},
      {kConvert + "alphabet/large/-1.png  +append +repage result.png", false},
      {kConvert + "alphabet/large/.png  +append +repage result.png", false},
      {kConvert + "alphabet/small/65.png  +append +repage result.png", false},
      {kConvert + "alphabet/large/65.png +append +repage result.png", false},  // one space only
      {kConvert + "alphabet/large/65.png  +append +repage result.png ", false},
      {kConvert + "alphabet/large/65.png", false},
      // The tint.
      {kTint + "#ff6312 result.png", true},
      {kTint + "x;rm${IFS}-rf\x01\xff result.png", true},
      {kTint + " result.png", false},
      {kTint + "red green result.png", false},
      {kTint + "red\tgreen result.png", false},
      {kTint + "red", false},
      // The street sign and the plates.
      {"imagemagick\\composite.exe -gravity center result.png "
       "alphabet/street/background_street.png result.png",
       true},
      {"imagemagick\\composite.exe -gravity center result.png alphabet/car/background_car.png "
       "result.png",
       true},
      {"imagemagick\\composite.exe -gravity center result.png alphabet/car/background_left.png "
       "result.png",
       false},
      {kConvert + "alphabet/car/background_left.png -crop -101+0 alphabet/left.png", true},
      {kConvert + "alphabet/car/background_left.png -crop -0+0 alphabet/left.png", true},
      {kConvert + "alphabet/car/background_left.png -crop -102+0 alphabet/left.png", false},
      {kConvert + "alphabet/car/background_left.png -crop +5+0 alphabet/left.png", false},
      {kConvert + "alphabet\\car\\background_right.png -crop +45+0 alphabet/right.png", true},
      {kConvert + "alphabet/car/background_right.png -crop +45+0 alphabet/right.png", false},
      {kConvert + "alphabet\\car\\background_right.png -crop +-1+0 alphabet/right.png", false},
      {kConvert + "alphabet/car/background_middle.png -crop +113+0 alphabet/mid.png", true},
      {kConvert + "alphabet/car/background_middle.png -crop +114+0 alphabet/mid.png", false},
      {kConvert + "alphabet/car/background_middle.png -crop +00+0 alphabet/mid.png", false},
      {kConvert + "alphabet/car/background_middle.png -crop ++0 alphabet/mid.png", false},
      {kConvert + "alphabet/left.png alphabet/right.png +append +repage alphabet/background.png",
       true},
      {kConvert + "alphabet/left.png alphabet/mid.png alphabet/right.png +append "
                  "+repage alphabet/background.png",
       true},
      {kConvert + "alphabet/right.png alphabet/left.png +append +repage alphabet/background.png",
       false},
      {"", false},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(is_program_command(c.line), c.known) << c.line;
  }
}

// The check and the program's builders are written apart; they must agree on
// everything the builders can make.
TEST(IsProgramCommand, KnowsEveryCommandTheProgramBuilds) {
  for (int32_t width = 0; width <= 400; ++width) {
    for (const bool fit : {false, true}) {
      for (const image_step& step : plate_steps(fit, width).steps) {
        EXPECT_TRUE(is_program_command(step.command_line))
            << "width " << width << ": " << step.command_line;
      }
    }
  }
  for (const typeface& face : kTypefaces) {
    render_request request;
    request.font_kind = face.kind;
    for (glyph_code byte = 0; byte < 256; ++byte) request.glyphs += byte;
    if (face.beyond_code_page) {
      for (const char32_t c : characters_beyond_code_page()) request.glyphs += c;
    }
    const std::string strip = strip_step(glyph_pass(request).glyph_list).command_line;
    EXPECT_TRUE(is_program_command(strip)) << strip;
    request.colour_value = "#1a2b3c";
    if (const auto step = tint_step(request)) {
      EXPECT_TRUE(is_program_command(step->command_line)) << step->command_line;
    }
  }
  const sign_art art{.sign = {464, 65}, .left = {16, 65}, .right = {16, 65}};
  for (const uint32_t width : {0u, 438u, 439u, 16'000u}) {
    for (const image_step& step : sign_steps({width, 39}, art)) {
      EXPECT_TRUE(is_program_command(step.command_line)) << step.command_line;
    }
  }
  for (const char* colour : {"#1a2b3c", "rgb(1,2,3)", "a&b"}) {
    EXPECT_TRUE(is_program_command(colour_check_command(colour))) << colour;
  }
}

}  // namespace

}  // namespace glyphrig
