#include "faces.h"

#include FT_OUTLINE_H

#include <cmath>
#include <filesystem>
#include <stdexcept>

namespace glyph_art {

FreeType::FreeType() {
  if (FT_Init_FreeType(&library_) != 0) throw std::runtime_error("FreeType did not start");
}

FreeType::~FreeType() { FT_Done_FreeType(library_); }

Face::Face(const FreeType& freetype, const FontFile& file) {
  const std::string advice =
      "; install the Debian package " + file.package + " (apt-get install " + file.package + ")";
  if (!std::filesystem::exists(file.path)) {
    throw std::runtime_error("font file " + file.path + " is missing" + advice);
  }
  if (FT_New_Face(freetype.get(), file.path.c_str(), 0, &face_) != 0) {
    face_ = nullptr;
    throw std::runtime_error("font file " + file.path + " cannot be read" + advice);
  }
}

Face::~Face() {
  if (face_ != nullptr) FT_Done_Face(face_);
}

void Face::set_size(double pixels) {
  const auto size = static_cast<FT_F26Dot6>(std::lround(pixels * 64.0));
  if (FT_Set_Char_Size(face_, 0, size, 72, 72) != 0) {
    throw std::runtime_error(std::string("cannot size face ") + face_->family_name);
  }
}

double Face::cap_height() const {
  if (FT_Load_Char(face_, 'H', FT_LOAD_NO_HINTING | FT_LOAD_NO_BITMAP) != 0) {
    throw std::runtime_error(std::string("face has no H: ") + face_->family_name);
  }
  FT_BBox box;
  FT_Outline_Get_CBox(&face_->glyph->outline, &box);
  return box.yMax / 64.0;
}

FaceSet::FaceSet(const FreeType& freetype, const FontFile& main, const FontFile& fallback,
                 double pixels)
    : main_(std::make_unique<Face>(freetype, main)),
      fallback_(std::make_unique<Face>(freetype, fallback)) {
  main_->set_size(pixels);
  fallback_->set_size(pixels);
  const double ratio = main_->cap_height() / fallback_->cap_height();
  fallback_->set_size(pixels * ratio);
}

Face* FaceSet::face_for(char32_t ch) {
  if (main_->has(ch)) return main_.get();
  if (fallback_->has(ch)) return fallback_.get();
  return nullptr;
}

}  // namespace glyph_art
