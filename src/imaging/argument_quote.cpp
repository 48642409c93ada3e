#include "imaging/argument_quote.h"

namespace glyphrig {

// The splitter takes `\"` as a quotation mark of the word, and backslashes
// count only directly before a quotation mark, where each pair stands for
// one. So each `"` becomes `\"`, with the backslashes before it doubled; the
// program never sees a quote that opens or closes a quoted stretch.
std::string quote_for_argument_splitter(std::string_view command_line) {
  std::string out;
  std::string::size_type backslashes = 0;
  for (const char c : command_line) {
    if (c == '"') out.append(backslashes + 1, '\\');
    backslashes = c == '\\' ? backslashes + 1 : 0;
    out += c;
  }
  return out;
}

}  // namespace glyphrig
