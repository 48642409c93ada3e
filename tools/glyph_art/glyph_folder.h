#ifndef GLYPHRIG_TOOLS_GLYPH_ART_GLYPH_FOLDER_H_
#define GLYPHRIG_TOOLS_GLYPH_ART_GLYPH_FOLDER_H_

#include <array>
#include <filesystem>
#include <vector>

#include "faces.h"
#include "letters.h"
#include "looks.h"

namespace glyph_art {

struct folder_report {
  // in byte order, then the characters beyond the code page in code point order
  std::vector<std::filesystem::path> files;
  // How many characters were drawn from each source, in the order of letter_source.
  std::array<int, 5> by_source{};
  int flattened = 0;  // composed letters and letters beyond the code page flattened to fit
  int height = 0;
  double capital_width = 0;  // mean width of the A to Z pictures
};

// Draws every picture of one glyph folder into alphabet/<look.folder()>/<byte>.png, and
// alphabet/<look.folder()>/u<code point>.png for the characters beyond the code page.
folder_report write_glyph_folder(const freetype_library& freetype, const folder_look& look,
                                 const std::filesystem::path& alphabet);

}  // namespace glyph_art

#endif  // GLYPHRIG_TOOLS_GLYPH_ART_GLYPH_FOLDER_H_
