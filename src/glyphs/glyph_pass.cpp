#include "glyphs/glyph_pass.h"

#include <bitset>

#include "glyphs/code_page_850.h"
#include "glyphs/plate_width_table.h"

namespace glyphrig {
namespace {

// The byte as the typeface draws it: capitals-only faces take a to z as A to
// Z (and, as the fold runs through 123, the left brace as the left bracket);
// a plate also takes an accented lower-case letter as its capital, where it
// has a picture of that capital.
unsigned char folded(const typeface& face, unsigned char byte) {
  if (face.capitals_only && byte >= 'a' && byte <= '{') return byte - ('a' - 'A');
  if (face.plate_widths) {
    if (const auto capital = code_page_850_capital(byte); capital && plate_width_table[*capital]) {
      return *capital;
    }
  }
  return byte;
}

// A plate has pictures only of the characters it has widths for.
bool has_picture(const typeface& face, unsigned char byte) {
  return !face.plate_widths || plate_width_table[byte] != 0;
}

}  // namespace

std::string int_to_decimal(int32_t value) { return std::to_string(value); }

void append_glyph_picture(std::string& text, std::string_view folder, unsigned char byte) {
  text += folder;
  text += int_to_decimal(byte);
  text += ".png";
}

glyph_pass_result glyph_pass(render_request& request) {
  glyph_pass_result result;
  const typeface& face = typeface_of(request.font_kind);
  // Room for the whole list at once: grown piece by piece, a long line's list
  // is copied over and over, which costs more than the pass itself.
  constexpr size_t kLongestName = sizeof("255.png ") - 1;
  result.glyph_list.reserve(request.text_line.size() * (face.folder.size() + kLongestName));
  std::bitset<256> named_missing;
  for (size_t i = 0; i < request.text_line.size(); ++i) {
    char& byte = request.text_line[i];
    const unsigned char value = folded(face, static_cast<unsigned char>(byte));
    byte = static_cast<char>(value);
    result.text_width += plate_width_table[value];
    if (has_picture(face, value)) {
      append_glyph_picture(result.glyph_list, face.folder, value);
      result.glyph_list += ' ';
      ++result.with_picture;
    } else if (!named_missing[value]) {
      // Left out of the strip too, so that no tool complains of a picture
      // that was never there.
      named_missing[value] = true;
      result.without_picture.push_back(i);
    }
  }
  return result;
}

}  // namespace glyphrig
