#ifndef GLYPHRIG_DIALOGUE_ANSWERS_H_
#define GLYPHRIG_DIALOGUE_ANSWERS_H_

#include <cstdint>
#include <iosfwd>
#include <optional>
#include <string>

namespace glyphrig {

// The ways an answer is read from the console. The caller has written its
// prompt already; each reader flushes `out` before it waits, so the prompt is
// visible. Every reader returns nothing when standard input has ended, so that
// no prompt ever waits on a closed input forever.

// A whole number from low to high. Leading white space, blank lines included,
// is skipped and the rest of the line stays unread. A failed or out-of-range
// answer gets a retry message and the rest of its line is thrown away.
std::optional<int32_t> read_number(std::istream& in, std::ostream& out, int32_t low, int32_t high);

// One whole line, after throwing away what the previous answer left on its
// line (up to 1000 characters). The line may be empty; a last line without a
// line end still counts. The line comes back as typed.
std::optional<std::string> read_text_line(std::istream& in, std::ostream& out);

// One word, after the same discard as read_text_line; the rest of the word's
// line stays unread.
std::optional<std::string> read_word(std::istream& in, std::ostream& out);

// Reads whole lines until one is exactly "y" (true) or "n" (false); any other
// line is ignored without a word.
std::optional<bool> read_yes_no(std::istream& in, std::ostream& out);

}  // namespace glyphrig

#endif  // GLYPHRIG_DIALOGUE_ANSWERS_H_
