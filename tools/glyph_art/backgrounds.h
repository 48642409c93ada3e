#ifndef GLYPHRIG_TOOLS_GLYPH_ART_BACKGROUNDS_H_
#define GLYPHRIG_TOOLS_GLYPH_ART_BACKGROUNDS_H_

#include <filesystem>

#include "faces.h"
#include "glyph_folder.h"
#include "looks.h"

namespace glyph_art {

// Draws what the look lays its text on into alphabet/<look.folder>/, sized to fit the pictures
// the folder got: a green road sign for street, with the ends and the middle that a longer
// sign is joined from, the fixed plate and the three pieces of the fitted plate for car. A
// look without a background gets nothing.
void write_background(const freetype_library& freetype, const folder_look& look,
                      const folder_report& report, const std::filesystem::path& alphabet);

}  // namespace glyph_art

#endif  // GLYPHRIG_TOOLS_GLYPH_ART_BACKGROUNDS_H_
