#ifndef GLYPHRIG_TOOLS_GLYPH_ART_LOOKS_H_
#define GLYPHRIG_TOOLS_GLYPH_ART_LOOKS_H_

#include <string>
#include <vector>

#include "canvas.h"
#include "faces.h"
#include "request/font_kind.h"

namespace glyph_art {

// How one typeface's glyph folder is drawn. What the typeface is (its folder, whether it is
// capitals-only, what it is laid on) is the program's table; this is only its drawing.
struct folder_look {
  const glyphrig::typeface& face;
  font_file main;
  font_file fallback;  // draws what main lacks, in step with main's capitals
  double pixels;       // em size of the main face
  double outline;      // outline width in pixels, 0 for none
  rgb fill_top;        // letter colour at cap height ...
  rgb fill_bottom;     // ... shading to this at the baseline
  rgb border;          // outline colour

  // The folder's name within alphabet/: "large" for "alphabet/large/".
  std::string folder() const;
  bool plate() const { return face.plate_widths; }
};

// In the order of the program's table of typefaces.
const std::vector<folder_look>& looks();

}  // namespace glyph_art

#endif  // GLYPHRIG_TOOLS_GLYPH_ART_LOOKS_H_
