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

namespace {

// Loads a capital as the face draws it unhinted, in its outline and advance.
FT_GlyphSlot load_unhinted(FT_Face face, char capital) {
  if (FT_Load_Char(face, static_cast<FT_ULong>(capital), FT_LOAD_NO_HINTING | FT_LOAD_NO_BITMAP) !=
      0) {
    throw std::runtime_error(std::string("face has no ") + capital + ": " + face->family_name);
  }
  return face->glyph;
}

FT_BBox box_of(FT_GlyphSlot glyph) {
  FT_BBox box;
  FT_Outline_Get_CBox(&glyph->outline, &box);
  return box;
}

}  // namespace

double font_face::cap_height() const { return box_of(load_unhinted(face_, 'H')).yMax / 64.0; }

double font_face::capital_advance() const {
  double sum = 0;
  for (char capital = 'A'; capital <= 'Z'; ++capital) {
    sum += load_unhinted(face_, capital)->advance.x / 64.0;
  }
  return sum / 26;
}

double font_face::stem_width() const {
  const FT_BBox box = box_of(load_unhinted(face_, 'I'));
  return (box.xMax - box.xMin) / 64.0;
}

face_set::face_set(const freetype_library& freetype, const font_file& main,
                   const font_file& fallback, double pixels, bool builds_letters)
    : main_(freetype, main), fallback_(freetype, fallback), builds_letters_(builds_letters) {
  main_.set_size(pixels);
  fallback_.set_size(pixels);
  const double ratio = main_.cap_height() / fallback_.cap_height();
  fallback_.set_size(pixels * ratio);
  if (!builds_letters || main.path == fallback.path) return;
  // The fallback's capitals, condensed by x_scale and each stem thickened by embolden,
  // are as wide as the main face's on average, and their stems as wide as its stems.
  const double main_advance = main_.capital_advance();
  const double main_stem = main_.stem_width();
  const double fallback_advance = fallback_.capital_advance();
  const double fallback_stem = fallback_.stem_width();
  x_scale_ = (main_advance - main_stem) / (fallback_advance - fallback_stem);
  embolden_ = main_stem - fallback_stem * x_scale_;  // thins them where it is less than 0
}

}  // namespace glyph_art
