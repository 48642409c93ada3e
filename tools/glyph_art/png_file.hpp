#pragma once

#include <filesystem>

#include "canvas.hpp"

namespace glyph_art {

// Writes the canvas as an 8-bit RGBA PNG; throws std::runtime_error when libpng fails.
void write_png(const std::filesystem::path& path, const Canvas& canvas);

}  // namespace glyph_art
