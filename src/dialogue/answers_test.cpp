#include "dialogue/answers.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>

namespace glyphrig {
namespace {

constexpr char kRetry[] = "Please enter a correct number: ";

// What is left unread of the input after an answer.
std::string rest(std::istream& in) {
  in.clear();
  return {std::istreambuf_iterator<char>(in), {}};
}

struct number_case {
  const char* input;
  std::optional<int32_t> value;
  std::string output;  // retry messages written while reading
  const char* rest;
};

TEST(ReadNumber, AcceptsOnlyWholeNumbersInRangeAndRetriesOnTheSameScreen) {
  const number_case cases[] = {
      {"3\n", 3, "", "\n"},
      {"0\n", 0, "", "\n"},
      {"4\n", 4, "", "\n"},
      {"\n\n  \n 2\n", 2, "", "\n"},  // blank lines are skipped
      {"+2\n", 2, "", "\n"},
      {"3 hello\n", 3, "", " hello\n"},  // the rest waits for the next discard
      {"1 2\n", 1, "", " 2\n"},
      {"7\n2\n", 2, kRetry, "\n"},
      {"-1\n1\n", 1, kRetry, "\n"},
      {"abc def\n1\n", 1, kRetry, "\n"},  // the whole line goes
      {"7 2\n3\n", 3, kRetry, "\n"},      // refused as a whole, 2 included
      {"99999999999\n0\n", 0, kRetry, "\n"},
      {"2147483648\n0\n", 0, kRetry, "\n"},
      {"-2147483649\n0\n", 0, kRetry, "\n"},
      {"5\n-3\nx\n4\n", 4, std::string(kRetry) + kRetry + kRetry, "\n"},
      {"2x\n", 2, "", "x\n"},
      // Standard input ends.
      {"", std::nullopt, "", ""},
      {"\n \n", std::nullopt, "", ""},
      {"9\n", std::nullopt, kRetry, ""},
      {"abc", std::nullopt, kRetry, ""},
      {"1", 1, "", ""},
      {"99999999999", std::nullopt, kRetry, ""},  // still a wrong answer
      {"-", std::nullopt, kRetry, ""},
  };
  for (const auto& c : cases) {
    std::istringstream in(c.input);
    std::ostringstream out;
    EXPECT_EQ(read_number(in, out, 0, 4), c.value) << "input: " << c.input;
    EXPECT_EQ(out.str(), c.output) << "input: " << c.input;
    EXPECT_EQ(rest(in), c.rest) << "input: " << c.input;
  }
}

struct line_case {
  std::string input;
  std::optional<std::string> value;
  std::string rest;
};

TEST(ReadTextLine, DiscardsTheLeftoverOfThePreviousAnswerThenTakesOneLine) {
  const std::string long_leftover(1000, 'x');
  const line_case cases[] = {
      {"\nHello world\nnext\n", "Hello world", "next\n"},
      {" hello\nGo\n", "Go", ""},            // the font answer's rest goes
      {"\n\n", "", ""},                      // an empty line is a line
      {"\nlast", "last", ""},                // no line end at the end of input
      {"\n  spaced  \n", "  spaced  ", ""},  // taken as typed
      {"\n\x8e\xe1\xff\x01\n", "\x8e\xe1\xff\x01", ""},
      // Only 1000 characters are thrown away; the rest of that line is the text.
      {long_leftover + "tail\nnext\n", "tail", "next\n"},
      {std::string(999, 'x') + "\nnext\n", "next", ""},
      // Standard input ends.
      {"", std::nullopt, ""},
      {"\n", std::nullopt, ""},
      {"leftover", std::nullopt, ""},
  };
  for (const auto& c : cases) {
    std::istringstream in(c.input);
    in.setstate(std::ios::failbit);  // an earlier failed read is forgotten
    std::ostringstream out;
    EXPECT_EQ(read_text_line(in, out), c.value) << "input: " << c.input.substr(0, 40);
    EXPECT_EQ(rest(in), c.rest) << "input: " << c.input.substr(0, 40);
    EXPECT_EQ(out.str(), "");
  }
}

TEST(ReadWord, DiscardsTheLeftoverThenTakesOneWordOfTheNextLines) {
  const line_case cases[] = {
      {"\nred\n", "red", "\n"},
      {" #ff0000\n#00ff00 and more\n", "#00ff00", " and more\n"},
      {"\n\n\n  #123456\n", "#123456", "\n"},  // blank lines are skipped
      {"\nx;rm${IFS}-rf\n", "x;rm${IFS}-rf", "\n"},
      {"\n#abc", "#abc", ""},
      {"\n", std::nullopt, ""},
      {"\n  \n\n", std::nullopt, ""},
  };
  for (const auto& c : cases) {
    std::istringstream in(c.input);
    std::ostringstream out;
    EXPECT_EQ(read_word(in, out), c.value) << "input: " << c.input;
    EXPECT_EQ(rest(in), c.rest) << "input: " << c.input;
  }
}

struct yes_no_case {
  const char* input;
  std::optional<bool> value;
  const char* rest;
};

TEST(ReadYesNo, TakesOnlyAWholeLineOfYOrNAndIgnoresEverythingElse) {
  const yes_no_case cases[] = {
      {"y\nrest\n", true, "rest\n"}, {"n\n", false, ""},           {"Y\nyes\n y\n\nn\n", false, ""},
      {"no\ny ", std::nullopt, ""},  {"maybe\ny", true, ""},  // a last line without a line end
      {"", std::nullopt, ""},        {"Y\nN\n", std::nullopt, ""},
  };
  for (const auto& c : cases) {
    std::istringstream in(c.input);
    std::ostringstream out;
    EXPECT_EQ(read_yes_no(in, out), c.value) << "input: " << c.input;
    EXPECT_EQ(rest(in), c.rest) << "input: " << c.input;
    EXPECT_EQ(out.str(), "");
  }
}

}  // namespace

}  // namespace glyphrig
