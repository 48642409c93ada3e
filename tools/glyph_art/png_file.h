#ifndef GLYPHRIG_TOOLS_GLYPH_ART_PNG_FILE_H_
#define GLYPHRIG_TOOLS_GLYPH_ART_PNG_FILE_H_

#include <filesystem>

#include "canvas.h"

namespace glyph_art {

// Writes the canvas as an 8-bit RGBA PNG; throws std::runtime_error when libpng fails.
void write_png(const std::filesystem::path& path, const canvas& picture);

}  // namespace glyph_art

#endif  // GLYPHRIG_TOOLS_GLYPH_ART_PNG_FILE_H_
