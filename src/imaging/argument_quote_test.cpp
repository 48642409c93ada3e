#include "imaging/argument_quote.h"

#include <gtest/gtest.h>

#include <vector>

namespace glyphrig {
namespace {

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

TEST(ArgumentQuote, HostileColourCodesReachTheToolVerbatim) {
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
    const std::vector<std::string> expected = {"imagemagick\\convert.exe", "result.png",
                                               "black," + code, "result.png"};
    EXPECT_EQ(runtime_arguments(quote_for_argument_splitter(line)), expected) << code;
  }
}

}  // namespace

}  // namespace glyphrig
