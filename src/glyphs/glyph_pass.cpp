#include "glyphs/glyph_pass.h"

#include <set>

#include "glyphs/character_glyphs.h"
#include "glyphs/code_page_850.h"
#include "glyphs/plate_width_table.h"

namespace glyphrig {
namespace {

// The glyph as the typeface draws it: capitals-only faces take a to z as A
// to Z (and, as the fold runs through 123, the left brace as the left
// bracket); a plate also takes an accented lower-case letter as its capital,
// where it has a picture of that capital. The characters beyond the code
// page stay as they are: a capitals-only face's pictures of their lower case
// show capitals already.
glyph_code folded(const typeface& face, glyph_code glyph) {
  if (glyph > 0xFF) return glyph;
  const auto byte = static_cast<unsigned char>(glyph);
  if (face.capitals_only && byte >= 'a' && byte <= '{') return byte - ('a' - 'A');
  if (face.plate_widths) {
    if (const auto capital = code_page_850_capital(byte); capital && plate_width_table[*capital]) {
      return *capital;
    }
  }
  return byte;
}

// The width of a glyph on a plate, where it has one.
int32_t plate_width(glyph_code glyph) { return glyph > 0xFF ? 0 : plate_width_table[glyph]; }

}  // namespace

bool has_picture(const typeface& face, glyph_code glyph) {
  return !face.plate_widths || plate_width(glyph) != 0;
}

std::string int_to_decimal(int32_t value) { return std::to_string(value); }

glyph_pass_result glyph_pass(render_request& request) {
  glyph_pass_result result;
  const typeface& face = typeface_of(request.font_kind);
  // Room for the whole list at once: grown piece by piece, a long line's list
  // is copied over and over, which costs more than the pass itself.
  constexpr size_t kLongestName = sizeof("u0000.png ") - 1;
  result.glyph_list.reserve(request.glyphs.size() * (face.folder.size() + kLongestName));
  std::set<glyph_code> named_missing;
  std::set<glyph_code> named;
  for (size_t i = 0; i < request.glyphs.size(); ++i) {
    glyph_code& glyph = request.glyphs[i];
    glyph = folded(face, glyph);
    result.text_width += plate_width(glyph);
    if (has_picture(face, glyph)) {
      append_glyph_picture(result.glyph_list, face.folder, glyph);
      result.glyph_list += ' ';
      ++result.with_picture;
      if (named.insert(glyph).second) result.pictured.push_back(glyph);
    } else if (named_missing.insert(glyph).second) {
      // Left out of the strip too, so that no tool complains of a picture
      // that was never there.
      result.without_picture.push_back(i);
    }
  }
  return result;
}

}  // namespace glyphrig
