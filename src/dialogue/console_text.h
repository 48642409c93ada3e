#ifndef GLYPHRIG_DIALOGUE_CONSOLE_TEXT_H_
#define GLYPHRIG_DIALOGUE_CONSOLE_TEXT_H_

#include <memory>
#include <string_view>

#include "dialogue/typed_text.h"

namespace glyphrig {

// A typed line as the glyphs that draw it in a typeface (see to_glyphs).
// Bytes that are no UTF-8 are read in this system's own
// code page: code page 850 on Linux, so that a line that already is code
// page 850 names its own pictures; on Windows the console's input code page,
// or the OEM code page when there is no console, which is 850 on a Western
// European system.
typed_glyphs console_text_glyphs(std::string_view typed, const typeface& face);

// While it lives, standard input and output carry UTF-8 whatever the
// console's code page. On Windows a console is read and written through its
// wide-character interface, so that what is typed arrives as the characters
// typed, and what is written shows as written; a pipe or a file is left as
// it is. A Linux terminal speaks UTF-8 already, and nothing changes there.
class utf8_console {
 public:
  utf8_console();
  ~utf8_console();
  utf8_console(const utf8_console&) = delete;
  utf8_console& operator=(const utf8_console&) = delete;

 private:
  struct streams;
  std::unique_ptr<streams> streams_;
};

}  // namespace glyphrig

#endif  // GLYPHRIG_DIALOGUE_CONSOLE_TEXT_H_
