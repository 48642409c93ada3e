// Starts the built program in scratch working trees whose tools and clean-up
// script only record how they were called.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdlib>
#include <fstream>
#include <regex>
#include <sstream>
#include <string>
#include <vector>

#include "build_paths.h"
#include "scratch_tree.h"
#include "screens.h"

namespace {

using namespace expected;

struct outcome {
  int status = -1;
  std::string output;
  std::string errors;
  std::string calls;
};

const std::string kProgram = "'" + std::string(glyphrig::build_paths::program()) + "'";

class Binary : public ::testing::Test {
 protected:
  Binary() { lay_out_recording_tree(dir_); }

  // Starts the program through the shell command `program`, in the scratch
  // tree, with `input` as its standard input.
  outcome run(const std::string& input, const std::string& program = kProgram) {
    dir_.write("stdin.txt", input);
    const std::string command =
        "cd '" + dir_.path().string() + "' && " + program + " <stdin.txt >stdout.txt 2>stderr.txt";
    const int raw = std::system(command.c_str());
    outcome result;
    result.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
    result.output = dir_.read("stdout.txt");
    result.errors = dir_.read("stderr.txt");
    result.calls = dir_.read("calls.log");
    return result;
  }

  scratch_dir dir_;
};

TEST_F(Binary, DrawsALargeTintedLine) {
  const outcome result = run("1\n10\nGo now\n");
  EXPECT_EQ(result.status, 0);
  EXPECT_EQ(
      result.calls,
      "convert [alphabet/large/71.png] [alphabet/large/79.png] [alphabet/large/32.png] "
      "[alphabet/large/78.png] [alphabet/large/79.png] [alphabet/large/87.png] [+append] "
      "[+repage] [result.png]\n"
      "convert [result.png] [-channel] [RGB] [-colorspace] [Gray] [-normalize] [+level-colors] "
      "[black,#ff6312] [result.png]\n"
      "remove_temp\n");
  EXPECT_EQ(result.errors, "");
  // Not a terminal: the screen is never cleared.
  EXPECT_EQ(result.output, kFontScreen + kColourScreen + kTextPrompt + kWorking + kDone);
}

TEST_F(Binary, FitsAPlateAndCleansUp) {
  const outcome result = run("4\nab 12\nmaybe\ny\n");
  EXPECT_EQ(result.status, 0);
  EXPECT_EQ(result.calls,
            "convert [alphabet/car/65.png] [alphabet/car/66.png] [alphabet/car/32.png] "
            "[alphabet/car/49.png] [alphabet/car/50.png] [+append] [+repage] [result.png]\n"
            "convert [alphabet/car/background_left.png] [-crop] [-101+0] [alphabet/left.png]\n"
            "convert [alphabet/car/background_right.png] [-crop] [+45+0] [alphabet/right.png]\n"
            "convert [alphabet/left.png] [alphabet/right.png] [+append] [+repage] "
            "[alphabet/background.png]\n"
            "composite [-gravity] [center] [result.png] [alphabet/background.png] [result.png]\n"
            "remove_temp\n");
}

TEST_F(Binary, RefusesAPlateTooWideAndSaysSoInItsStatus) {
  const outcome result = run("4\nWWWWWWWWWWWWWWWW\ny\n");
  EXPECT_EQ(result.status, 1);
  EXPECT_EQ(result.output, kFontScreen + kPlatePrompts + kFitPrompt + kWorking + kRefusal);
  EXPECT_EQ(result.calls.substr(result.calls.find('\n') + 1),
            "convert [alphabet/car/background_right.png] [alphabet/right.png]\n"
            "convert [alphabet/car/background_left.png] [alphabet/left.png]\n"
            "remove_temp\n");
}

TEST_F(Binary, TypedColourCodesReachTheToolAsOneWordAndRunNothing) {
  const std::string codes[] = {
      "x;touch${IFS}pwned",
      "$(touch${IFS}pwned)",
      "`touch${IFS}pwned`",
      "x|touch${IFS}pwned",
      "x&touch${IFS}pwned",
      "x>pwned",
      "'\"%^!*",
  };
  for (const std::string& code : codes) {
    const outcome result = run("2\n8\n" + code + "\nA\n");
    EXPECT_EQ(result.status, 0);
    EXPECT_EQ(result.output,
              kFontScreen + kColourScreen + kCodePrompt + kTextPrompt + kWorking + kDone);
    EXPECT_EQ(result.calls,
              "convert [-quiet] [xc:" + code + "] [+level-colors] [black," + code +
                  "] [null:]\n"
                  "convert [alphabet/menu/65.png] [+append] [+repage] [result.png]\n"
                  "convert [result.png] [-channel] [RGB] [-colorspace] [Gray] [-normalize] "
                  "[+level-colors] [black," +
                  code + "] [result.png]\nremove_temp\n")
        << code;
    EXPECT_FALSE(dir_.exists("pwned")) << code;
    std::filesystem::remove(dir_.path() / "calls.log");
  }
}

TEST_F(Binary, EndOfInputAtAnyPromptRunsNothingAndExitsWithOne) {
  const std::string inputs[] = {"",       "x\n", "0\n", "0\n8\n",   "0\n8\n#fff",
                                "1\n1\n", "3\n", "4\n", "4\nabc\n", "4\nabc\nN\n"};
  for (const std::string& input : inputs) {
    dir_.write("result.png", "an earlier picture");
    std::filesystem::remove(dir_.path() / "calls.log");
    const outcome result = run(input);
    EXPECT_EQ(result.status, 1) << input;
    // A typed code is only asked about.
    EXPECT_EQ(result.calls, input.ends_with("#fff")
                                ? "convert [-quiet] [xc:#fff] [+level-colors] [black,#fff] "
                                  "[null:]\n"
                                : "")
        << input;
    EXPECT_EQ(result.output.back(), '\n') << input;
    EXPECT_EQ(result.output.find("Working..."), std::string::npos) << input;
    EXPECT_EQ(dir_.read("result.png"), "an earlier picture") << input;
  }
}

TEST_F(Binary, AStripThatMakesNoPictureLeavesNoOldOneAndDoesNotSayDone) {
  dir_.write("result.png", "an earlier picture");
  dir_.write("imagemagick/convert.exe", "#!/bin/sh\necho convert: no picture for you >&2\n", true);
  const outcome result = run("3\nMain St\n");
  EXPECT_EQ(result.status, 1);
  EXPECT_FALSE(dir_.exists("result.png"));
  EXPECT_EQ(result.calls, "remove_temp\n");
  EXPECT_EQ(result.output, kFontScreen + kTextPrompt + kWorking +
                               "ImageMagick could not write result.png: the disk may be full.\n");
  EXPECT_EQ(result.errors, "convert: no picture for you\n");
}

TEST_F(Binary, TextComesBeforeWhatTheToolsWriteToTheSameOutput) {
  dir_.write("imagemagick/convert.exe", recording_tool("convert", "echo tool-output\n"), true);
  const outcome result = run("0\n0\nA\n");
  const std::string tail = "\nWorking...\n\ntool-output\ndone\n";
  EXPECT_EQ(result.output.substr(result.output.size() - tail.size()), tail);
}

TEST_F(Binary, ToolsThatCannotBeStartedGetOneClearLineAndTheRunEnds) {
  const std::regex not_found(
      "glyphrig: cannot run \"imagemagick/convert\": not found; install ImageMagick "
      "\\(Debian: apt-get install imagemagick\\)\n");
  // 100,000 glyph paths make a command line of about three megabytes, more
  // than Linux takes with the usual 8 MB stack.
  const std::regex too_long(
      "glyphrig: the text is too long to hand to the image tool: its command line of [0-9]+ "
      "bytes is more than this system accepts\n");
  const struct {
    const char* name;
    std::string input;
    std::string program;
    bool without_convert;
    std::regex errors;
  } cases[] = {
      {"no convert anywhere", "0\n0\nA\n", "PATH=/nonexistent " + kProgram, true, not_found},
      {"a line too long for one command", "0\n0\n" + std::string(100'000, 'A') + "\n",
       "ulimit -s 8192 && " + kProgram, false, too_long},
  };
  for (const auto& c : cases) {
    if (c.without_convert) std::filesystem::remove(dir_.path() / "imagemagick/convert.exe");
    dir_.write("result.png", "an earlier picture");
    const outcome result = run(c.input, c.program);
    EXPECT_EQ(result.status, 1) << c.name;
    EXPECT_TRUE(std::regex_match(result.errors, c.errors)) << c.name << ": " << result.errors;
    EXPECT_EQ(result.calls, "remove_temp\n") << c.name;
    EXPECT_EQ(result.output, kFontScreen + kColourScreen + kTextPrompt + kWorking) << c.name;
    EXPECT_FALSE(dir_.exists("result.png")) << c.name;
    std::filesystem::remove(dir_.path() / "calls.log");
  }
}

// The rows of the table of typed lines that glyphrig.exe runs through too.
struct typed_case {
  std::string name;
  std::string typed;
  std::string glyphs;  // the strip's pictures, as the tool names them
};

std::vector<typed_case> typed_text_cases() {
  std::ifstream table(std::string(glyphrig::build_paths::source()) + "/tests/typed_text_cases.tsv");
  std::vector<typed_case> cases;
  for (std::string row; std::getline(table, row);) {
    if (row.empty() || row[0] == '#') continue;
    std::istringstream fields(row);
    typed_case c;
    std::string escaped;
    std::getline(fields, c.name, '\t');
    std::getline(fields, escaped, '\t');
    for (size_t i = 0; i < escaped.size(); ++i) {
      if (escaped.compare(i, 2, "\\x") == 0) {
        c.typed += static_cast<char>(std::stoi(escaped.substr(i + 2, 2), nullptr, 16));
        i += 3;
      } else {
        c.typed += escaped[i];
      }
    }
    for (std::string glyph; fields >> glyph;) c.glyphs += "[alphabet/normal/" + glyph + ".png] ";
    cases.push_back(std::move(c));
  }
  return cases;
}

TEST_F(Binary, TypedLinesNameTheGlyphsOfTheirLetters) {
  const std::vector<typed_case> cases = typed_text_cases();
  ASSERT_GT(cases.size(), 10u);
  for (const typed_case& c : cases) {
    const outcome result = run("0\n0\n" + c.typed + "\n");
    EXPECT_EQ(result.calls,
              "convert " + c.glyphs + "[+append] [+repage] [result.png]\nremove_temp\n")
        << c.name;
    std::filesystem::remove(dir_.path() / "calls.log");
  }
}

}  // namespace
