#include "png_file.h"

#include <png.h>

#include <cstring>
#include <stdexcept>
#include <string>

namespace glyph_art {

void write_png(const std::filesystem::path& path, const canvas& picture) {
  // The simplified API reports errors in the struct, so no setjmp crosses C++ frames.
  png_image image;
  std::memset(&image, 0, sizeof image);
  image.version = PNG_IMAGE_VERSION;
  image.width = static_cast<png_uint_32>(picture.width());
  image.height = static_cast<png_uint_32>(picture.height());
  image.format = PNG_FORMAT_RGBA;
  if (!png_image_write_to_file(&image, path.c_str(), 0, picture.rgba().data(), 0, nullptr)) {
    const std::string why = image.message;
    png_image_free(&image);
    throw std::runtime_error("cannot write " + path.string() + ": " + why);
  }
}

}  // namespace glyph_art
