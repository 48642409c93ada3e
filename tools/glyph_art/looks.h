#ifndef GLYPHRIG_TOOLS_GLYPH_ART_LOOKS_H_
#define GLYPHRIG_TOOLS_GLYPH_ART_LOOKS_H_

#include <vector>

#include "canvas.h"
#include "faces.h"

namespace glyph_art {

// What the program lays a font's text on.
enum class background_kind { none, street_sign, plate };

// How one glyph folder is drawn.
struct folder_look {
  const char* folder;
  font_file main;
  font_file fallback;
  double pixels;          // em size of the main face
  double outline;         // outline width in pixels, 0 for none
  rgb fill_top;           // letter colour at cap height ...
  rgb fill_bottom;        // ... shading to this at the baseline
  rgb border;             // outline colour
  bool capitals_only;     // lower-case letters drawn as their capitals, so a line reads in one case
  bool plate;             // only plate bytes, each exactly as wide as the plate width table says
  bool beyond_code_page;  // also the characters beyond code page 850, named by code point
  background_kind background;  // what the text is laid on; such text is centred by its capitals
};

const std::vector<folder_look>& looks();

}  // namespace glyph_art

#endif  // GLYPHRIG_TOOLS_GLYPH_ART_LOOKS_H_
