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

 private:
  FT_Face face_ = nullptr;
};

// A main face and the face that draws what the main face lacks, sized so that both
// share the cap height and therefore sit on one baseline at one height.
class face_set {
 public:
  face_set(const freetype_library& freetype, const font_file& main, const font_file& fallback,
           double pixels);

  // The face that draws ch (main first), or nullptr when neither has it.
  font_face* face_for(char32_t ch);
  font_face& main() { return main_; }
  double cap_height() const { return main_.cap_height(); }

 private:
  font_face main_;
  font_face fallback_;
};

}  // namespace glyph_art

#endif  // GLYPHRIG_TOOLS_GLYPH_ART_FACES_H_
