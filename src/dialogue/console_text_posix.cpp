#include "dialogue/console_text.h"
#include "glyphs/code_page_850.h"

namespace glyphrig {

code_page_line console_text_bytes(std::string_view typed) {
  return to_code_page_850(typed, code_page_850_to_utf8);
}

struct utf8_console::streams {};

utf8_console::utf8_console() = default;
utf8_console::~utf8_console() = default;

}  // namespace glyphrig
