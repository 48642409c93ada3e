#ifndef GLYPHRIG_DIALOGUE_CONSOLE_TEXT_H_
#define GLYPHRIG_DIALOGUE_CONSOLE_TEXT_H_

#include <string>
#include <string_view>

namespace glyphrig {

// The glyph pictures are named by the bytes of code page 850, which is what a
// Western European Windows console delivers when a line is typed. A terminal
// elsewhere delivers UTF-8, so there a typed line is turned into the bytes
// that console would have delivered: each character becomes its code page 850
// byte, or '?' where the code page has no such character. Bytes that are not
// part of a valid UTF-8 sequence are kept as they are, so a line that already
// is code page 850 still names its own pictures. On Windows the line is
// returned unchanged.
std::string console_text_bytes(std::string typed);

// The other way, for a message that names typed characters: the bytes as
// the console shows them (code page 850 turned into UTF-8 where the
// terminal speaks UTF-8, unchanged on Windows).
std::string console_text_for_screen(std::string_view bytes);

}  // namespace glyphrig

#endif  // GLYPHRIG_DIALOGUE_CONSOLE_TEXT_H_
