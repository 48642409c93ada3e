#ifndef GLYPHRIG_REQUEST_RENDER_REQUEST_H_
#define GLYPHRIG_REQUEST_RENDER_REQUEST_H_

#include <optional>
#include <string>

#include "request/font_kind.h"

namespace glyphrig {

// The user's answers for one run, filled in by the dialogue and read by the
// glyph pass and the image commands.
struct render_request {
  glyphrig::font_kind font_kind = glyphrig::font_kind::normal;
  // The tint, as the image tool takes it: a palette colour or the typed code.
  // None leaves the picture as drawn; street signs and plates never have one.
  std::optional<std::string> colour_value;
  // As typed, until the run flow turns it into the code page 850 bytes that
  // name the glyph pictures; the glyph pass folds those in place.
  std::string text_line;
  bool auto_adjust = false;  // plates only: fit the background to the text
};

}  // namespace glyphrig

#endif  // GLYPHRIG_REQUEST_RENDER_REQUEST_H_
