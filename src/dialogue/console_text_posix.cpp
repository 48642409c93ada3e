#include "dialogue/console_text.h"
#include "glyphs/code_page_850.h"

namespace glyphrig {

typed_glyphs console_text_glyphs(std::string_view typed, const typeface& face) {
  return to_glyphs(typed, face, code_page_850_to_utf8);
}

struct utf8_console::streams {};

utf8_console::utf8_console() = default;
utf8_console::~utf8_console() = default;

}  // namespace glyphrig
