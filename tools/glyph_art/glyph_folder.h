#ifndef GLYPHRIG_TOOLS_GLYPH_ART_GLYPH_FOLDER_H_
#define GLYPHRIG_TOOLS_GLYPH_ART_GLYPH_FOLDER_H_

#include <filesystem>
#include <vector>

#include "faces.h"
#include "looks.h"

namespace glyph_art {

struct folder_report {
  std::vector<std::filesystem::path> files;  // in byte order
  int from_fallback = 0;
  int height = 0;
  double capital_width = 0;  // mean width of the A to Z pictures
};

// Draws every picture of one glyph folder into alphabet/<look.folder>/<byte>.png.
folder_report write_glyph_folder(const freetype_library& freetype, const folder_look& look,
                                 const std::filesystem::path& alphabet);

}  // namespace glyph_art

#endif  // GLYPHRIG_TOOLS_GLYPH_ART_GLYPH_FOLDER_H_
