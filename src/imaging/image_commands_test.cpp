#include "imaging/image_commands.h"

#include <gtest/gtest.h>

namespace glyphrig {
namespace {

const std::string kConvert = "imagemagick\\convert.exe ";
const std::string kLeftWhole = kConvert + "alphabet/car/background_left.png alphabet/left.png";
const std::string kRightWhole = kConvert + "alphabet/car/background_right.png alphabet/right.png";
const std::string kTwoPieces =
    kConvert + "alphabet/left.png alphabet/right.png +append +repage alphabet/background.png";
const std::string kThreePieces =
    kConvert +
    "alphabet/left.png alphabet/mid.png alphabet/right.png +append +repage alphabet/background.png";
const std::string kOnBackground =
    "imagemagick\\composite.exe -gravity center result.png alphabet/background.png result.png";
const std::string kOnFixedPlate =
    "imagemagick\\composite.exe -gravity center result.png alphabet/car/background_car.png "
    "result.png";

std::string left_cut(const char* amount) {
  return kConvert + "alphabet/car/background_left.png -crop -" + amount + "+0 alphabet/left.png";
}
std::string right_cut(const char* amount) {
  return kConvert + "alphabet\\car\\background_right.png -crop +" + amount +
         "+0 alphabet/right.png";
}
std::string middle_cut(const char* amount) {
  return kConvert + "alphabet/car/background_middle.png -crop +" + amount + "+0 alphabet/mid.png";
}

struct plate_case {
  bool auto_adjust;
  int32_t width;
  std::vector<std::string> commands;
  bool refused;
};

TEST(PlateCommands, CutsThePiecesToTheTextAndRefusesWhatNoPlateHolds) {
  const plate_case cases[] = {
      {true, 0, {left_cut("101"), right_cut("101"), kTwoPieces, kOnBackground}, false},
      {true, 56, {left_cut("101"), right_cut("45"), kTwoPieces, kOnBackground}, false},
      {true, 101, {left_cut("101"), right_cut("0"), kTwoPieces, kOnBackground}, false},
      {true, 102, {kRightWhole, left_cut("100"), kTwoPieces, kOnBackground}, false},
      {true, 202, {kRightWhole, left_cut("0"), kTwoPieces, kOnBackground}, false},
      {true, 203, {kRightWhole, kLeftWhole, middle_cut("113"), kThreePieces, kOnBackground}, false},
      {true, 316, {kRightWhole, kLeftWhole, middle_cut("0"), kThreePieces, kOnBackground}, false},
      {true, 317, {kRightWhole, kLeftWhole}, true},
      {true, 352, {kRightWhole, kLeftWhole}, true},
      {false, 0, {kOnFixedPlate}, false},
      {false, 294, {kOnFixedPlate}, false},  // from bolt to bolt
      {false, 295, {}, true},
  };
  for (const auto& c : cases) {
    const plate_plan plan = plate_steps(c.auto_adjust, c.width);
    std::vector<std::string> commands;
    for (const image_step& step : plan.steps) commands.push_back(step.command_line);
    EXPECT_EQ(commands, c.commands) << "width " << c.width;
    EXPECT_EQ(plan.refused, c.refused) << "width " << c.width;
  }
}

struct tint_case {
  font_kind kind;
  std::optional<std::string> colour_value;
  std::optional<std::string> command;
};

TEST(TintCommand, TintsScreenFontsWithAColour) {
  const std::string tint =
      kConvert + "result.png -channel RGB -colorspace Gray -normalize +level-colors black,";
  const tint_case cases[] = {
      {font_kind::large, "white", tint + "white result.png"},
      {font_kind::normal, "#ff6312", tint + "#ff6312 result.png"},
      {font_kind::menu, "#123456", tint + "#123456 result.png"},
      {font_kind::menu, "0", tint + "0 result.png"},  // a typed 0 is a code like any other
      {font_kind::normal, std::nullopt, std::nullopt},
      {font_kind::large, std::nullopt, std::nullopt},
      {font_kind::street, std::nullopt, std::nullopt},
      {font_kind::car, std::nullopt, std::nullopt},
  };
  for (const auto& c : cases) {
    render_request request;
    request.font_kind = c.kind;
    request.colour_value = c.colour_value;
    const auto step = tint_step(request);
    EXPECT_EQ(step ? std::optional(step->command_line) : std::nullopt, c.command)
        << static_cast<int>(c.kind) << "/" << c.colour_value.value_or("no tint");
  }
}

TEST(SignCommands, LayAShortLineOnTheSignAndGrowTheSignForALongOne) {
  const std::string on_sign =
      "imagemagick\\composite.exe -gravity center result.png "
      "alphabet/street/background_street.png result.png";
  const std::string joined = kConvert +
                             "alphabet/street/background_left.png alphabet/mid.png "
                             "alphabet/street/background_right.png +append +repage "
                             "alphabet/background.png";
  const auto middle = [](const char* size) {
    return kConvert + "alphabet/street/background_middle.png -sample " + size + " alphabet/mid.png";
  };
  // The sign's pictures as drawn: 26 pixels more than the line's height.
  const sign_art art{.sign = {464, 65}, .left = {16, 65}, .right = {16, 65}};
  const std::pair<uint32_t, std::vector<std::string>> cases[] = {
      {0, {on_sign}},
      {438, {on_sign}},
      {439, {middle("433x65!"), joined, kOnBackground}},
      {5000, {middle("4994x65!"), joined, kOnBackground}},
  };
  for (const auto& [width, expected] : cases) {
    std::vector<std::string> commands;
    for (const image_step& step : sign_steps({width, 39}, art))
      commands.push_back(step.command_line);
    EXPECT_EQ(commands, expected) << "width " << width;
  }
}

}  // namespace

}  // namespace glyphrig
