#ifndef GLYPHRIG_TOOLS_GLYPH_ART_LOOKS_H_
#define GLYPHRIG_TOOLS_GLYPH_ART_LOOKS_H_

#include <vector>

#include "canvas.h"
#include "faces.h"

namespace glyph_art {

// How one glyph folder is drawn.
struct Look {
  const char* folder;
  FontFile main;
  FontFile fallback;
  double pixels;       // em size of the main face
  double outline;      // outline width in pixels, 0 for none
  Rgb fill_top;        // letter colour at cap height ...
  Rgb fill_bottom;     // ... shading to this at the baseline
  Rgb border;          // outline colour
  bool caps_centred;   // equal room above the capitals and below the baseline, for backgrounds
  bool plate;          // only plate bytes, each exactly as wide as the plate width table says
  bool capitals_only;  // lower-case letters drawn as their capitals, so a line reads in one case
};

const std::vector<Look>& looks();

}  // namespace glyph_art

#endif  // GLYPHRIG_TOOLS_GLYPH_ART_LOOKS_H_
