#ifndef GLYPHRIG_TOOLS_GLYPH_ART_FACES_H_
#define GLYPHRIG_TOOLS_GLYPH_ART_FACES_H_

#include <ft2build.h>
#include FT_FREETYPE_H

#include <string>

namespace glyph_art {

// A font file and the Debian package that installs it, so a missing file can say what to do.
struct font_file {
  std::string path;
  std::string package;
};

// Owns the FreeType library; every face opened with it must be closed before it.
class freetype_library {
 public:
  freetype_library();
  ~freetype_library();
  freetype_library(const freetype_library&) = delete;
  freetype_library& operator=(const freetype_library&) = delete;
  FT_Library get() const { return library_; }

 private:
  FT_Library library_ = nullptr;
};

class font_face {
 public:
  // Throws std::runtime_error naming the package when the file is absent or unreadable.
  font_face(const freetype_library& freetype, const font_file& file);
  ~font_face();
  font_face(const font_face&) = delete;
  font_face& operator=(const font_face&) = delete;

  FT_Face get() const { return face_; }
  bool has(char32_t ch) const { return FT_Get_Char_Index(face_, ch) != 0; }
  // Sets the em size in pixels; fractions are kept so that faces can be matched closely.
  void set_size(double pixels);
  // Unhinted height of capital H at the current size, in pixels.
  double cap_height() const;
  // Unhinted advance of A to Z on average, and width of the stem of I, in pixels.
  double capital_advance() const;
  double stem_width() const;

 private:
  FT_Face face_ = nullptr;
};

// A main face and the face that draws what the main face lacks, sized so that both
// share the cap height and therefore sit on one baseline at one height. A letter from
// the fallback is condensed across and its stems thickened to the main face's, so that
// its capitals are as wide and as heavy as the main face's on average. A set of whole
// letters only (the plate's, which are condensed one by one into their widths) draws
// the fallback's letters as they are, and builds none of its own.
class face_set {
 public:
  face_set(const freetype_library& freetype, const font_file& main, const font_file& fallback,
           double pixels, bool builds_letters);

  font_face& main() { return main_; }
  font_face& fallback() { return fallback_; }
  double cap_height() const { return main_.cap_height(); }
  // How fallback letters are condensed and thickened.
  double fallback_x_scale() const { return x_scale_; }
  double fallback_embolden() const { return embolden_; }
  // Whether it builds letters from the main face's letters and marks.
  bool builds_letters() const { return builds_letters_; }

 private:
  font_face main_;
  font_face fallback_;
  double x_scale_ = 1.0;
  double embolden_ = 0.0;
  bool builds_letters_;
};

}  // namespace glyph_art

#endif  // GLYPHRIG_TOOLS_GLYPH_ART_FACES_H_
