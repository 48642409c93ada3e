#ifndef GLYPHRIG_TOOLS_GLYPH_ART_LETTERS_H_
#define GLYPHRIG_TOOLS_GLYPH_ART_LETTERS_H_

#include <ft2build.h>
#include FT_FREETYPE_H

#include <vector>

#include "faces.h"
#include "glyph_ink.h"

namespace glyph_art {

// Where a character's picture comes from, best first.
enum class letter_source {
  own,       // the main face has it
  twin,      // a Greek or Cyrillic capital drawn as the main face's Latin letter it looks like
  composed,  // the main face's base letter with its marks above and below
  fallback,  // the fallback face, in step with the main face
  none,      // nothing: drawn as blank as a space
};

struct letter_recipe {
  letter_source source = letter_source::none;
  // The character drawn: the character itself, its Latin twin, or the base letter (or
  // the base's twin) that the marks are placed on.
  char32_t drawn = 0;
  std::vector<char32_t> marks;  // composed: from the letter outwards
};

letter_recipe recipe_for(face_set& faces, char32_t ch);

// How a letter is fitted to its picture: condensed across to a plate's width, or with
// what it has above its capitals and below the baseline flattened to fit the cell.
struct letter_fit {
  double x_scale = 1.0;
  squeeze flatten;
};

glyph_ink draw_letter(FT_Library library, face_set& faces, const letter_recipe& recipe,
                      double outline, const letter_fit& fit = {});

}  // namespace glyph_art

#endif  // GLYPHRIG_TOOLS_GLYPH_ART_LETTERS_H_
