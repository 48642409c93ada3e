#ifndef GLYPHRIG_IMAGING_ARGUMENT_QUOTE_H_
#define GLYPHRIG_IMAGING_ARGUMENT_QUOTE_H_

#include <string>
#include <string_view>

namespace glyphrig {

// A Windows program gets its command line as one text and splits it into
// words itself, with the C runtime's rules. Quotes one of the program's
// command lines for that splitter so that each word separated by spaces
// reaches the program as it is written: every quotation mark in it, which
// only a typed colour code can hold, stays a character of its word.
// Letters, digits, `#`, spaces and the paths with their backslashes pass
// unchanged.
std::string quote_for_argument_splitter(std::string_view command_line);

}  // namespace glyphrig

#endif  // GLYPHRIG_IMAGING_ARGUMENT_QUOTE_H_
