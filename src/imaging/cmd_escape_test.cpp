#include "imaging/cmd_escape.h"

#include <gtest/gtest.h>

#include <optional>
#include <vector>

namespace {

struct escape_case {
  std::string line;
  std::string escaped;
};

TEST(CmdEscape, LeavesThePlainLinesAndEscapesEachSpecialCharacter) {
  const escape_case cases[] = {
      {"cls", "cls"},
      {"alphabet\\remove_temp.bat", "alphabet\\remove_temp.bat"},
      {"imagemagick\\convert.exe alphabet\\car\\background_right.png -crop +45+0 "
       "alphabet/right.png",
       "imagemagick\\convert.exe alphabet\\car\\background_right.png -crop +45+0 "
       "alphabet/right.png"},
      {"imagemagick\\convert.exe  +append result.png",
       "imagemagick\\convert.exe  +append result.png"},
      {"x black,#ffc100 y", "x black,#ffc100 y"},
      {"x&y|z<a>b(c)", "x^&y^|z^<a^>b^(c^)"},
      {"^&", "^^^&"},
      {"a\"b", "a\\^\"b"},
      // Backslashes count only before a quotation mark, and there they double.
      {"a\\\"b", "a\\\\\\^\"b"},
      {"a\\\\\"b", "a\\\\\\\\\\^\"b"},
      {"a\\b\\", "a\\b\\"},
      {"%PATH%", "^%^\"^\"PATH^%^\"^\""},
      {"%", "^%^\"^\""},
  };
  for (const auto& c : cases) EXPECT_EQ(cmd_escape(c.line), c.escaped) << c.line;
}

// What cmd.exe makes of a line it runs: carets dropped, each taking the next
// character literally. Nothing if a character would act on the line (start a
// command, redirect, open a block or a quoted stretch, or expand a variable).
std::optional<std::string> cmd_passes_on(const std::string& line) {
  std::string out;
  for (size_t i = 0; i < line.size(); ++i) {
    const char c = line[i];
    if (c == '^') {
      if (++i == line.size()) return std::nullopt;
      out += line[i];
    } else if (std::string_view("&|<>()\"%").find(c) != std::string_view::npos) {
      return std::nullopt;
    } else {
      out += c;
    }
  }
  return out;
}

// How the C runtime of the started program splits its command line. (Its rule
// for two quotation marks inside a quoted stretch is left out: an escaped line
// never holds three in a row.)
std::vector<std::string> runtime_arguments(const std::string& line) {
  std::vector<std::string> args;
  std::string arg;
  bool in_arg = false, quoted = false;
  for (size_t i = 0; i < line.size(); ++i) {
    size_t backslashes = 0;
    while (i < line.size() && line[i] == '\\') ++backslashes, ++i;
    if (i < line.size() && line[i] == '"') {
      arg.append(backslashes / 2, '\\');
      in_arg = true;
      if (backslashes % 2 == 1) {
        arg += '"';
      } else {
        quoted = !quoted;
      }
      continue;
    }
    arg.append(backslashes, '\\');
    if (backslashes > 0) in_arg = true;
    if (i == line.size()) break;
    if (line[i] == ' ' && !quoted) {
      if (in_arg) args.push_back(arg);
      arg.clear();
      in_arg = false;
    } else {
      arg += line[i];
      in_arg = true;
    }
  }
  if (in_arg) args.push_back(arg);
  return args;
}

TEST(CmdEscape, HostileColourCodesReachTheToolVerbatimAndActOnNothing) {
  const std::string codes[] = {
      "x&echo.>pwned.txt",
      "x|calc",
      "x>pwned",
      "x<in",
      "(x)",
      "%PATH%",
      "%PATH:a=b%",
      "%PATH:~0,3%",
      "%%",
      "%",
      "^&",
      "^",
      "a\"b",
      "x\"&calc&\"",
      "\"",
      "\\\"",
      "a\\\\\"b",
      "a\\",
      "%\"",
      "\"%PATH%\"",
      "x^&calc",
      "%a\"\"b%",
      "!PATH!",
      "#ffc100",
      "red",
  };
  for (const std::string& code : codes) {
    const std::string line = "imagemagick\\convert.exe result.png black," + code + " result.png";
    const auto passed = cmd_passes_on(cmd_escape(line));
    ASSERT_TRUE(passed) << "cmd.exe would act on " << cmd_escape(line);
    const std::vector<std::string> expected = {"imagemagick\\convert.exe", "result.png",
                                               "black," + code, "result.png"};
    EXPECT_EQ(runtime_arguments(*passed), expected) << code;
  }
}

}  // namespace
