#include "faces.h"

#include FT_OUTLINE_H

#include <cmath>
#include <filesystem>
#include <stdexcept>

namespace glyph_art {

freetype_library::freetype_library() {
  if (FT_Init_FreeType(&library_) != 0) throw std::runtime_error("FreeType did not start");
}

freetype_library::~freetype_library() { FT_Done_FreeType(library_); }

font_face::font_face(const freetype_library& freetype, const font_file& file) {
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

font_face::~font_face() {
  if (face_ != nullptr) FT_Done_Face(face_);
}

void font_face::set_size(double pixels) {
  const auto size = static_cast<FT_F26Dot6>(std::lround(pixels * 64.0));
  if (FT_Set_Char_Size(face_, 0, size, 72, 72) != 0) {
    throw std::runtime_error(std::string("cannot size face ") + face_->family_name);
  }
}

double font_face::cap_height() const {
  if (FT_Load_Char(face_, 'H', FT_LOAD_NO_HINTING | FT_LOAD_NO_BITMAP) != 0) {
    throw std::runtime_error(std::string("face has no H: ") + face_->family_name);
  }
  FT_BBox box;
  FT_Outline_Get_CBox(&face_->glyph->outline, &box);
  return box.yMax / 64.0;
}

face_set::face_set(const freetype_library& freetype, const font_file& main,
                   const font_file& fallback, double pixels)
    : main_(freetype, main), fallback_(freetype, fallback) {
  main_.set_size(pixels);
  fallback_.set_size(pixels);
  const double ratio = main_.cap_height() / fallback_.cap_height();
  fallback_.set_size(pixels * ratio);
}

font_face* face_set::face_for(char32_t ch) {
  if (main_.has(ch)) return &main_;
  if (fallback_.has(ch)) return &fallback_;
  return nullptr;
}

}  // namespace glyph_art
