#include "dialogue/answers.h"

#include <istream>
#include <limits>
#include <ostream>

namespace glyphrig {
namespace {

// What the previous answer left on its line is thrown away, up to this many
// characters; anything beyond stays and is read as the next answer.
constexpr std::streamsize kLeftoverDiscard = 1000;

void discard_leftover(std::istream& in) {
  in.clear();
  in.ignore(kLeftoverDiscard, '\n');
}

}  // namespace

std::optional<int32_t> read_number(std::istream& in, std::ostream& out, int32_t low, int32_t high) {
  for (;;) {
    out.flush();
    // Input that ends in white space is no answer; anything else that is not
    // a number in range, a number too large to hold included, is a wrong one.
    if ((in >> std::ws).eof()) return std::nullopt;
    int32_t value = 0;
    if (in >> value && value >= low && value <= high) return value;
    out << "Please enter a correct number: ";
    in.clear();
    in.ignore(std::numeric_limits<int32_t>::max(), '\n');
  }
}

std::optional<std::string> read_text_line(std::istream& in, std::ostream& out) {
  out.flush();
  discard_leftover(in);
  std::string line;
  if (!std::getline(in, line)) return std::nullopt;
  return line;
}

std::optional<std::string> read_word(std::istream& in, std::ostream& out) {
  out.flush();
  discard_leftover(in);
  std::string word;
  if (!(in >> word)) return std::nullopt;
  return word;
}

std::optional<bool> read_yes_no(std::istream& in, std::ostream& out) {
  out.flush();
  in.clear();
  std::string line;
  while (std::getline(in, line)) {
    if (line == "y") return true;
    if (line == "n") return false;
  }
  return std::nullopt;
}

}  // namespace glyphrig
