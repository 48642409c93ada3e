#ifndef GLYPHRIG_TOOLS_GLYPH_ART_FACES_H_
#define GLYPHRIG_TOOLS_GLYPH_ART_FACES_H_

#include <ft2build.h>
#include FT_FREETYPE_H

#include <memory>
#include <string>

namespace glyph_art {

// A font file and the Debian package that installs it, so a missing file can say what to do.
struct FontFile {
  std::string path;
  std::string package;
};

class FreeType {
 public:
  FreeType();
  ~FreeType();
  FreeType(const FreeType&) = delete;
  FreeType& operator=(const FreeType&) = delete;
  FT_Library get() const { return library_; }

 private:
  FT_Library library_ = nullptr;
};

class Face {
 public:
  // Throws std::runtime_error naming the package when the file is absent or unreadable.
  Face(const FreeType& freetype, const FontFile& file);
  ~Face();
  Face(const Face&) = delete;
  Face& operator=(const Face&) = delete;

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
class FaceSet {
 public:
  FaceSet(const FreeType& freetype, const FontFile& main, const FontFile& fallback, double pixels);

  // The face that draws ch (main first), or nullptr when neither has it.
  Face* face_for(char32_t ch);
  Face& main() { return *main_; }
  double cap_height() const { return main_->cap_height(); }

 private:
  std::unique_ptr<Face> main_;
  std::unique_ptr<Face> fallback_;
};

}  // namespace glyph_art

#endif  // GLYPHRIG_TOOLS_GLYPH_ART_FACES_H_
