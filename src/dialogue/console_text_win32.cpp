#include "dialogue/console_text.h"

namespace glyphrig {

// The console already delivers its code page's bytes.
std::string console_text_bytes(std::string typed) { return typed; }

std::string console_text_for_screen(std::string_view bytes) { return std::string(bytes); }

}  // namespace glyphrig
