#ifndef GLYPHRIG_DIALOGUE_TYPED_TEXT_H_
#define GLYPHRIG_DIALOGUE_TYPED_TEXT_H_

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "request/font_kind.h"
#include "request/glyph_line.h"

namespace glyphrig {

// A typed character that the font has no picture of, and what the picture
// shows in its place.
struct replaced_character {
  std::string typed;  // UTF-8
  // Code page 850: the nearest letters, or "?"; nothing where the font has
  // no letter like it and no picture of "?" either, so it is left out.
  std::string drawn;
};

struct typed_glyphs {
  glyph_line glyphs;                         // which name the glyph pictures
  std::vector<replaced_character> replaced;  // each character once, as first typed
};

// Turns a run of bytes that are no UTF-8 into the UTF-8 of the characters
// they stand for in the system's own code page.
using legacy_decoder = std::function<std::string(std::string_view bytes)>;

// A typed line as the glyphs that draw it in a typeface (see drawing_of).
// Valid UTF-8 is taken as UTF-8; every run of other bytes goes to `legacy`.
typed_glyphs to_glyphs(std::string_view typed, const typeface& face, const legacy_decoder& legacy);

// The one line that names the replaced characters as they were typed and
// what each became, or nothing when none was replaced.
std::optional<std::string> replacement_note(const std::vector<replaced_character>& replaced);

// UTF-16 as the Windows console hands it over, as UTF-8; an unpaired
// surrogate becomes U+FFFD. A high surrogate at the very end is left in
// `pending` for the next piece.
std::string utf16_to_utf8(std::u16string_view text, char16_t& pending);

// UTF-8 as UTF-16, for the Windows console. Bytes that are no UTF-8 are
// taken as code page 850, like a typed line's; a sequence cut off at the end
// is left in `pending` for the next piece.
std::u16string utf8_to_utf16(std::string_view text, std::string& pending);

}  // namespace glyphrig

#endif  // GLYPHRIG_DIALOGUE_TYPED_TEXT_H_
