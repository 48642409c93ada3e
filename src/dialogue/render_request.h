#ifndef GLYPHRIG_DIALOGUE_RENDER_REQUEST_H_
#define GLYPHRIG_DIALOGUE_RENDER_REQUEST_H_

#include <cstdint>
#include <string>

// The user's answers for one run, filled in by the dialogue and read by the
// glyph pass and the finishing steps.
struct render_request {
  int32_t font_kind = 0;     // 0 normal, 1 large, 2 menu, 3 street, 4 car
  std::string font_folder;   // "alphabet/large/" and the like
  int32_t colour_index = 0;  // 0..18, asked for kinds 0..2 only
  std::string colour_value;  // a palette entry or the typed code; empty for kinds 3 and 4
  std::string text_line;     // the bytes as typed; the glyph pass folds them in place
  bool auto_adjust = false;  // plates only: fit the background to the text
};

#endif  // GLYPHRIG_DIALOGUE_RENDER_REQUEST_H_
