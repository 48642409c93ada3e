#include "imaging/cmd_escape.h"

namespace {

// The started program splits its command line with the C runtime's rules:
// `\"` is a quotation mark of the argument, and backslashes count only
// directly before a quotation mark, where each pair stands for one. So each
// `"` becomes `\"`, with the backslashes before it doubled; the program never
// sees a quote that opens or closes a quoted stretch.
//
// Each `%` is followed by an empty pair `""`, which the splitter drops. It
// keeps cmd.exe from expanding `%NAME%`: the name it would look up then
// starts with `""` (or, seen by real cmd.exe, with `^"^"`), and no variable
// has such a name, so the text is left as it stands. Carets before the
// percent signs alone are not enough: real cmd.exe expands variables before
// it removes carets, so `^%PATH^%` names the undefined `PATH^`, but
// `^%PATH:a=b^%` still edits PATH, and Wine's cmd removes the carets first
// and expands `^%PATH^%` like `%PATH%`.
std::string for_argument_splitter(std::string_view line) {
  std::string out;
  std::string::size_type backslashes = 0;
  for (const char c : line) {
    if (c == '"') out.append(backslashes + 1, '\\');
    backslashes = c == '\\' ? backslashes + 1 : 0;
    out += c;
    if (c == '%') out += "\"\"";
  }
  return out;
}

// cmd.exe takes a character after a caret literally and drops the caret.
// Every quotation mark is escaped too, so cmd.exe never enters its quoted
// mode, in which carets would stay and the characters after them count.
bool special_to_cmd(char c) {
  switch (c) {
    case '^':
    case '&':
    case '|':
    case '<':
    case '>':
    case '(':
    case ')':
    case '"':
    case '%':
      return true;
    default:
      return false;
  }
}

}  // namespace

std::string cmd_escape(std::string_view command_line) {
  std::string out;
  for (const char c : for_argument_splitter(command_line)) {
    if (special_to_cmd(c)) out += '^';
    out += c;
  }
  return out;
}
