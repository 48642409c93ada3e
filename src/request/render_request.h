#ifndef GLYPHRIG_REQUEST_RENDER_REQUEST_H_
#define GLYPHRIG_REQUEST_RENDER_REQUEST_H_

#include <optional>
#include <string>

#include "request/font_kind.h"
#include "request/glyph_line.h"

namespace glyphrig {

// The user's answers for one run, filled in by the dialogue and read by the
// glyph pass and the image commands.
struct render_request {
  glyphrig::font_kind font_kind = glyphrig::font_kind::normal;
  // The tint, as the image tool takes it: a palette colour or the typed code.
  // None leaves the picture as drawn; street signs and plates never have one.
  std::optional<std::string> colour_value;
  std::string text_line;  // as typed
  // The glyphs that draw the line, which the run flow finds for what was
  // typed; the glyph pass folds them in place.
  glyph_line glyphs;
  bool auto_adjust = false;  // plates only: fit the background to the text
};

}  // namespace glyphrig

#endif  // GLYPHRIG_REQUEST_RENDER_REQUEST_H_
