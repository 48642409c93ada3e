#include "dialogue/run_flow.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <csignal>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "scratch_tree.h"
#include "screens.h"
#include "stand_in_pictures.h"

namespace glyphrig {
namespace {

using namespace expected;

const std::string kConvert = "imagemagick\\convert.exe ";
const std::string kCleanUp = "alphabet\\remove_temp.bat";
const std::string kTint =
    kConvert + "result.png -channel RGB -colorspace Gray -normalize +level-colors black,";

// The check of a typed colour code; the stand-in knows every code but these.
std::string check(const std::string& colour) {
  return kConvert + "-quiet xc:" + colour + " +level-colors black," + colour + " null:";
}
const std::string kUnknownColours[] = {"reed", "#ff00001"};

// One in-process run with every command and pause recorded.
struct run_record {
  int status = -1;
  std::string output;
  std::vector<std::string> commands;
  std::vector<size_t> command_offsets;  // how much had been written when each command ran
  std::vector<int> pauses;
};

run_record run(const std::string& input) {
  run_record record;
  std::istringstream in(input);
  std::ostringstream out;
  const command_runner runner = [&](const std::string& command, tool_output) {
    record.commands.push_back(command);
    record.command_offsets.push_back(out.str().size());
    for (const std::string& colour : kUnknownColours) {
      if (command == check(colour)) return command_end::failed;
    }
    // The tools draw their pictures, of the sizes the run checks.
    draw_as_image_tools(command);
    return command_end::succeeded;
  };
  const pause_function pause = [&](std::chrono::milliseconds ms) {
    record.pauses.push_back(static_cast<int>(ms.count()));
  };
  record.status = run_glyphrig(in, out, runner, pause);
  record.output = out.str();
  return record;
}

std::string glyphs(const std::string& folder, const std::vector<int>& bytes) {
  std::string list;
  for (int b : bytes) list += "alphabet/" + folder + "/" + std::to_string(b) + ".png ";
  return list;
}

std::string strip(const std::string& glyph_list) {
  return kConvert + glyph_list + " +append +repage result.png";
}

class RunFlow : public ::testing::Test {
 protected:
  RunFlow() { lay_out_bare_tree(dir_.path()); }

  scratch_dir dir_;
  current_dir_in cwd_{dir_.path()};
};

struct dialogue_case {
  const char* name;
  std::string input;
  std::string output;  // after the font screen
  std::vector<std::string> commands;
  int status = 0;
};

TEST_F(RunFlow, WholeDialoguesWriteTheirScreensAndRunTheirCommands) {
  const std::string fixed_plate =
      "imagemagick\\composite.exe -gravity center result.png alphabet/car/background_car.png "
      "result.png";
  const std::string sign =
      "imagemagick\\composite.exe -gravity center result.png "
      "alphabet/street/background_street.png result.png";
  const std::string after_text = kWorking;
  const dialogue_case cases[] = {
      {"large, Krishna",
       "1\n10\nGo now\n",
       kColourScreen + kTextPrompt + kWorking + kDone,
       {"cls", "cls", strip(glyphs("large", {71, 79, 32, 78, 79, 87})),
        kTint + "#ff6312 result.png", kCleanUp}},
      {"chat untinted keeps lower case and the left brace",
       "0\n0\nHi{\n",
       kColourScreen + kTextPrompt + kWorking + kDone,
       {"cls", "cls", strip(glyphs("normal", {72, 105, 123})), kCleanUp}},
      {"letters that no font has: the nearest letters, named before the strip",
       "0\n0\n\xC7\x8D\xC3\xB3"
       "d\xC7\x8E\n",
       kColourScreen + kTextPrompt + kWorking +
           "Drawn with the nearest letters the font has: \xC7\x8D\xE2\x86\x92"
           "A \xC7\x8E\xE2\x86\x92"
           "a\n" +
           kDone,
       {"cls", "cls", strip(glyphs("normal", {65, 162, 100, 97})), kCleanUp}},
      {"menu, custom code with more words on its line",
       "2\n8\n#00ff00 and more\nok\n",
       kColourScreen + kCodePrompt + kTextPrompt + kWorking + kDone,
       {"cls", "cls", check("#00ff00"), strip(glyphs("menu", {79, 75})),
        kTint + "#00ff00 result.png", kCleanUp}},
      {"a code that the tool does not know is asked again; bare hex gets its #",
       "1\n8\nreed and more\n\nff0000 more\nA\n",
       kColourScreen + kCodePrompt + kCodeRetry + kTextPrompt + kWorking + kDone,
       {"cls", "cls", check("reed"), check("#ff0000"), strip(glyphs("large", {65})),
        kTint + "#ff0000 result.png", kCleanUp}},
      {"input ends at the colour code asked again",
       "0\n8\n#ff00001\n",
       kColourScreen + kCodePrompt + kCodeRetry + "\n",
       {"cls", "cls", check("#ff00001")},
       1},
      {"custom code typed on the colour line is discarded",
       "1\n8 #ff0000\nred\nA\n",
       kColourScreen + kCodePrompt + kTextPrompt + kWorking + kDone,
       {"cls", "cls", check("red"), strip(glyphs("large", {65})), kTint + "red result.png",
        kCleanUp}},
      {"font and colour on one line",
       "1 2\nx\n",
       kColourScreen + kTextPrompt + kWorking + kDone,
       {"cls", "cls", strip(glyphs("large", {88})), kTint + "white result.png", kCleanUp}},
      {"retries at both menus, blank line at the colour prompt, an empty text line",
       "7\n-1\nabc\n99999999999\n7 2\n2\n\n19\n18\n\n",
       kRetry + kRetry + kRetry + kRetry + kRetry + kColourScreen + kRetry + kTextPrompt +
           kWorking + "The text line was empty: there is nothing to draw.\n",
       {"cls", "cls", kCleanUp},
       1},
      {"street sign after a word on the font line",
       "3 hello\nMain st{\n",
       kTextPrompt + kWorking + kDone,
       {"cls", strip(glyphs("street", {77, 65, 73, 78, 32, 83, 84, 91})), sign, kCleanUp}},
      // 18 pictures of 3 pixels fit the sign with its 3 pixels beside them, 19 do not.
      {"a street sign as long as it can be",
       "3\n" + std::string(18, 'A') + "\n",
       kTextPrompt + kWorking + kDone,
       {"cls", strip(glyphs("street", std::vector<int>(18, 65))), sign, kCleanUp}},
      {"a street sign that grows with its line",
       "3\n" + std::string(19, 'A') + "\n",
       kTextPrompt + kWorking + kDone,
       {"cls", strip(glyphs("street", std::vector<int>(19, 65))),
        kConvert + "alphabet/street/background_middle.png -sample 53x10! alphabet/mid.png",
        kConvert + "alphabet/street/background_left.png alphabet/mid.png "
                   "alphabet/street/background_right.png +append +repage alphabet/background.png",
        "imagemagick\\composite.exe -gravity center result.png alphabet/background.png result.png",
        kCleanUp}},
      {"plate on the fixed background after ignored answers",
       "4\nabc\nY\nyes\n y\n\nn\n",
       kPlatePrompts + kFitPrompt + kWorking + kDone,
       {"cls", strip(glyphs("car", {65, 66, 67})), fixed_plate, kCleanUp}},
      {"fitted plate",
       "4\nAB 12\ny\n",
       kPlatePrompts + kFitPrompt + kWorking + kDone,
       {"cls", strip(glyphs("car", {65, 66, 32, 49, 50})),
        kConvert + "alphabet/car/background_left.png -crop -101+0 alphabet/left.png",
        kConvert + "alphabet\\car\\background_right.png -crop +45+0 alphabet/right.png",
        kConvert + "alphabet/left.png alphabet/right.png +append +repage alphabet/background.png",
        "imagemagick\\composite.exe -gravity center result.png alphabet/background.png result.png",
        kCleanUp}},
      {"plate too wide to fit",
       "4\n" + std::string(15, 'w') + "i\ny\n",
       kPlatePrompts + kFitPrompt + kWorking + kRefusal,
       {"cls",
        strip(glyphs("car", {87, 87, 87, 87, 87, 87, 87, 87, 87, 87, 87, 87, 87, 87, 87, 73})),
        kConvert + "alphabet/car/background_right.png alphabet/right.png",
        kConvert + "alphabet/car/background_left.png alphabet/left.png", kCleanUp},
       1},
      {"the fixed plate refuses a line wider than its lettering",
       "4\n" + std::string(14, 'W') + "\nn\n",
       kPlatePrompts + kFitPrompt + kWorking + kRefusal,
       {"cls", strip(glyphs("car", std::vector<int>(14, 87))), kCleanUp},
       1},
      {"a plate names what it has no letter like at once",
       "4\n\xE6\xBC\xA2\xE5\xAD\x97\nn\n",  // 漢字
       kPlatePrompts + kFitPrompt + kWorking +
           "Left out, as this font has no letter like them: \xE6\xBC\xA2 \xE5\xAD\x97\n"
           "None of these characters has a picture in this font: there is nothing to draw.\n",
       {"cls", kCleanUp},
       1},
      {"a plate draws ü as Ü, names what it has no picture for and draws the rest",
       "4\n\xC3\xBC{b\xC3\xBC\x81\nn\n",
       kPlatePrompts + kFitPrompt + kWorking +
           "Left out, as this font has no picture for them: {\n" + kDone,
       {"cls", strip(glyphs("car", {154, 66, 154, 154})), fixed_plate, kCleanUp}},
      {"a fitted plate of characters without pictures draws nothing and says why",
       "4\n@{\ny\n",
       kPlatePrompts + kFitPrompt + kWorking +
           "Left out, as this font has no picture for them: @ {\n"
           "None of these characters has a picture in this font: there is nothing to draw.\n",
       {"cls", kCleanUp},
       1},
      {"a plate typed in UTF-8: the width of byte 142 is 12",
       "4\n\xC3\x84\ny\n",
       kPlatePrompts + kFitPrompt + kWorking + kDone,
       {"cls", strip(glyphs("car", {142})),
        kConvert + "alphabet/car/background_left.png -crop -101+0 alphabet/left.png",
        kConvert + "alphabet\\car\\background_right.png -crop +89+0 alphabet/right.png",
        kConvert + "alphabet/left.png alphabet/right.png +append +repage alphabet/background.png",
        "imagemagick\\composite.exe -gravity center result.png alphabet/background.png result.png",
        kCleanUp}},
      {"a line end missing at the end of input",
       "1\n0\nHello",
       kColourScreen + kTextPrompt + kWorking + kDone,
       {"cls", "cls", strip(glyphs("large", {72, 69, 76, 76, 79})), kCleanUp}},
  };
  for (const auto& c : cases) {
    const run_record record = run(c.input);
    EXPECT_EQ(record.status, c.status) << c.name;
    EXPECT_EQ(record.output, kFontScreen + c.output) << c.name;
    EXPECT_EQ(record.commands, c.commands) << c.name;
  }
}

TEST_F(RunFlow, PausesBrieflyBeforeExitAndLongerAfterARefusal) {
  EXPECT_EQ(run("3\nA\n").pauses, std::vector<int>{900});
  EXPECT_EQ(run("4\n" + std::string(14, 'W') + "\ny\n").pauses, std::vector<int>{900});
  EXPECT_EQ(run("4\n" + std::string(16, 'W') + "\ny\n").pauses, std::vector<int>{3000});
  EXPECT_EQ(run("4\n" + std::string(13, 'W') + "\nn\n").pauses, std::vector<int>{900});
}

TEST_F(RunFlow, ClearsTheScreenBeforeEachMenu) {
  const run_record record = run("0\n5\nx\n");
  ASSERT_GE(record.commands.size(), 2u);
  EXPECT_EQ(record.command_offsets[0], 0u);
  EXPECT_EQ(record.command_offsets[1], kFontScreen.size());
}

TEST_F(RunFlow, TakesTheTextAfterMoreThanAThousandLeftoverCharacters) {
  const run_record record = run("3" + std::string(1000, ' ') + "AB\n");
  EXPECT_EQ(record.commands.at(1), strip(glyphs("street", {65, 66})));
}

TEST_F(RunFlow, AHundredThousandByteLineNamesAPictureForEachByte) {
  const run_record record = run("0\n0\n" + std::string(100'000, 'x') + "\n");
  ASSERT_EQ(record.commands.size(), 4u);
  const std::string one = "alphabet/normal/120.png ";
  EXPECT_EQ(record.commands[2].size(), kConvert.size() + 100'000 * one.size() + 27);
  EXPECT_EQ(record.commands[2].substr(kConvert.size(), 2 * one.size()), one + one);
}

TEST_F(RunFlow, EndOfInputAtAnyPromptEndsTheRunWithoutRunningAnything) {
  const std::pair<const char*, std::string> cases[] = {
      {"", kFontScreen},
      {"9\n", kFontScreen + kRetry},
      {"1\n", kFontScreen + kColourScreen},
      {"1\n8\n", kFontScreen + kColourScreen + kCodePrompt},
      {"1\n8\n\n \n", kFontScreen + kColourScreen + kCodePrompt},
      {"2\n3\n", kFontScreen + kColourScreen + kTextPrompt},
      {"3\n", kFontScreen + kTextPrompt},
      {"4\n", kFontScreen + kPlatePrompts},
      {"4\nABC\n", kFontScreen + kPlatePrompts + kFitPrompt},
      {"4\nABC\nY\nyes\n", kFontScreen + kPlatePrompts + kFitPrompt},
  };
  for (const auto& [input, screen] : cases) {
    std::ofstream("result.png") << "an earlier picture";
    const run_record record = run(input);
    EXPECT_EQ(record.status, 1) << input;
    EXPECT_EQ(record.output, screen + "\n") << input;
    for (const std::string& command : record.commands) EXPECT_EQ(command, "cls") << input;
    EXPECT_TRUE(record.pauses.empty()) << input;
    EXPECT_TRUE(std::filesystem::exists("result.png")) << input;
  }
}

TEST_F(RunFlow, AMissingPartOfTheTreeIsNamedAndNothingIsDrawn) {
  const std::string hint =
      "): start glyphrig in the folder unpacked from its archive, which holds alphabet/ and "
      "imagemagick/.\n";
  const struct {
    const char* input;
    const char* removed;
    std::string screens;
    std::string message;
  } cases[] = {
      {"2\n0\nA\n", "alphabet/menu", kColourScreen + kTextPrompt,
       "Missing alphabet/menu/ (the glyph pictures of this font"},
      {"3\nA\n", "alphabet/street/background_street.png", kTextPrompt,
       "Missing alphabet/street/background_street.png (a background picture"},
      {"4\nA\nn\n", "alphabet/car/background_car.png", kPlatePrompts + kFitPrompt,
       "Missing alphabet/car/background_car.png (a background picture"},
      {"4\nA\ny\n", "alphabet/car/background_middle.png", kPlatePrompts + kFitPrompt,
       "Missing alphabet/car/background_middle.png (a background picture"},
  };
  for (const auto& c : cases) {
    lay_out_bare_tree(dir_.path());
    std::filesystem::remove_all(c.removed);
    std::ofstream("result.png") << "an earlier picture";
    const run_record record = run(c.input);
    EXPECT_EQ(record.status, 1) << c.removed;
    EXPECT_EQ(record.output, kFontScreen + c.screens + kWorking + c.message + hint) << c.removed;
    EXPECT_EQ(record.commands.back(), kCleanUp) << c.removed;
    EXPECT_EQ(record.commands.end()[-2], "cls") << c.removed;
    EXPECT_EQ(record.pauses, std::vector<int>{3000}) << c.removed;
    EXPECT_FALSE(std::filesystem::exists("result.png")) << c.removed;
  }
}

TEST_F(RunFlow, OnlyTheBackgroundsThatTheRunReadsMustBeThere) {
  std::filesystem::remove("alphabet/car/background_car.png");
  std::filesystem::remove("alphabet/street/background_street.png");
  EXPECT_EQ(run("4\nA\ny\n").status, 0);
  EXPECT_EQ(run("1\n0\nA\n").status, 0);
}

TEST_F(RunFlow, AStepThatMakesNoPictureOrCannotStartEndsTheRunWithoutDone) {
  const std::string empty_line = "The text line was empty: there is nothing to draw.\n";
  const std::string full = "ImageMagick could not write result.png: the disk may be full.\n";
  // Each string names a command by a part of it.
  const struct {
    const char* name;
    std::string input;
    std::string undrawn;       // the command whose tool draws nothing
    std::string cannot_start;  // the command whose tool cannot be started
    std::string cut_short;     // the command whose picture comes out cut short
    std::string after_working;
    size_t commands_run;  // before the clean-up, the failing one included
  } cases[] = {
      {"the join makes no picture", "4\nAB\ny\n", "result.png", "", "", full, 2},
      {"an empty line makes no picture", "1\n0\n\n", "", "", "", empty_line, 2},  // no tool
      {"no tool for the join", "1\n0\nA\n", "", "+append +repage result.png", "", "", 3},
      {"no tool for the tint", "1\n5\nA\n", "", "+level-colors", "", "", 4},
      {"no tool for a plate piece", "4\nAB\ny\n", "", "alphabet/left.png", "", "", 3},
      {"the tint cut short", "1\n5\nA\n", "", "", "+level-colors", full, 4},
      {"the sign not laid on its background", "3\nA\n", "background_street.png", "", "",
       "ImageMagick could not finish result.png: it came out 3 x 4 pixels, not 60 x 10.\n", 3},
      {"a plate piece cut short", "4\nAB\ny\n", "", "", "alphabet/right.png",
       "ImageMagick could not write alphabet/right.png: the disk may be full.\n", 4},
  };
  const auto names = [](const std::string& command, const std::string& part) {
    return !part.empty() && command.find(part) != std::string::npos;
  };
  for (const auto& c : cases) {
    std::ofstream("result.png") << "an earlier picture";
    std::vector<std::string> commands;
    std::istringstream in(c.input);
    std::ostringstream out;
    std::vector<int> pauses;
    const int status = run_glyphrig(
        in, out,
        [&](const std::string& command, tool_output) {
          commands.push_back(command);
          if (names(command, c.cannot_start)) return command_end::not_started;
          if (!names(command, c.undrawn)) draw_as_image_tools(command);
          if (names(command, c.cut_short)) {
            const std::string picture = command.substr(command.rfind(' ') + 1);
            std::filesystem::resize_file(picture, std::filesystem::file_size(picture) / 2);
          }
          return command_end::succeeded;
        },
        [&](std::chrono::milliseconds ms) { pauses.push_back(static_cast<int>(ms.count())); });
    EXPECT_EQ(status, 1) << c.name;
    EXPECT_TRUE(out.str().ends_with(kWorking + c.after_working)) << c.name << ": " << out.str();
    ASSERT_EQ(commands.size(), c.commands_run + 1) << c.name;
    EXPECT_EQ(commands.back(), kCleanUp) << c.name;
    EXPECT_EQ(pauses, std::vector<int>{3000}) << c.name;
    EXPECT_FALSE(std::filesystem::exists("result.png")) << c.name;
  }
}

TEST_F(RunFlow, AnInterruptWhileDrawingLeavesNothingDrawnAndAfterDoneOnlyCutsThePauseShort) {
  const std::string stopped = "Stopped before the picture was finished: no result.png is left.\n";
  // Each case names the command during which the signal comes, by a part of
  // it, or the pause by its length.
  const struct {
    const char* name;
    std::string input;
    int signal;
    std::string during;
    int status;
  } cases[] = {
      {"Ctrl+C at the strip", "1\n5\nA\n", SIGINT, "+append +repage result.png", 130},
      {"a closed terminal at the tint", "1\n5\nA\n", SIGHUP, "+level-colors", 129},
      {"SIGTERM at a plate piece", "4\nAB\ny\n", SIGTERM, "alphabet/right.png", 143},
      {"Ctrl+C at the plate", "4\nAB\ny\n", SIGINT, "alphabet/background.png result.png", 130},
      {"Ctrl+C at the clean-up", "3\nA\n", SIGINT, kCleanUp, 130},
      // The run has cleaned up and said why already: the pause is only cut short.
      {"Ctrl+C at a refusal's pause", "4\n" + std::string(16, 'W') + "\ny\n", SIGINT, "3000", 1},
      {"Ctrl+C at a refusal's clean-up", "4\n" + std::string(16, 'W') + "\ny\n", SIGINT, kCleanUp,
       1},
      {"Ctrl+C after done", "4\nAB\ny\n", SIGINT, "900", 0},
  };
  for (const auto& c : cases) {
    std::vector<std::string> commands;
    std::istringstream in(c.input);
    std::ostringstream out;
    const int status = run_glyphrig(
        in, out,
        [&](const std::string& command, tool_output) {
          commands.push_back(command);
          draw_as_image_tools(command);
          // Only the first time: the clean-up runs again after the interrupt.
          if (command.find(c.during) != std::string::npos &&
              std::count(commands.begin(), commands.end(), command) == 1) {
            raise(c.signal);
          }
          return command_end::succeeded;
        },
        [&](std::chrono::milliseconds ms) {
          if (std::to_string(ms.count()) == c.during) raise(c.signal);
        });
    for (const int signal : {SIGINT, SIGHUP, SIGTERM}) std::signal(signal, SIG_DFL);
    EXPECT_EQ(status, c.status) << c.name;
    if (c.status == 0) {
      EXPECT_TRUE(out.str().ends_with("done\n")) << c.name;
      EXPECT_TRUE(std::filesystem::exists("result.png")) << c.name;
      continue;
    }
    if (c.status == 1) {
      EXPECT_TRUE(out.str().ends_with(kRefusal)) << c.name << ": " << out.str();
      for (const char* left : {"result.png", "alphabet/left.png", "alphabet/right.png"}) {
        EXPECT_FALSE(std::filesystem::exists(left)) << c.name << ": " << left;
      }
      continue;
    }
    EXPECT_TRUE(out.str().ends_with(stopped)) << c.name << ": " << out.str();
    EXPECT_EQ(commands.back(), kCleanUp) << c.name;
    for (const char* left :
         {"result.png", "alphabet/left.png", "alphabet/right.png", "alphabet/background.png"}) {
      EXPECT_FALSE(std::filesystem::exists(left)) << c.name << ": " << left;
    }
  }
}

TEST_F(RunFlow, OutsideAWorkingTreeSaysWhereToStartBeforeAskingAnything) {
  std::filesystem::remove_all("alphabet");
  const run_record record = run("1\n0\nA\n");
  EXPECT_EQ(record.status, 1);
  EXPECT_EQ(record.output,
            "There is no alphabet/ folder here: start glyphrig in its own folder, the one that "
            "holds alphabet/ and imagemagick/.\n");
  EXPECT_TRUE(record.commands.empty());
}

}  // namespace

}  // namespace glyphrig
