#include "glyphs/glyph_pass.h"

#include <bitset>

#include "glyphs/plate_width_table.h"

namespace glyphrig {

std::string int_to_decimal(int32_t value) { return std::to_string(value); }

void append_glyph_picture(std::string& text, std::string_view folder, unsigned char byte) {
  text += folder;
  text += int_to_decimal(byte);
  text += ".png";
}

glyph_pass_result glyph_pass(render_request& request) {
  glyph_pass_result result;
  const std::string_view folder = font_folder(request.font_kind);
  // Room for the whole list at once: grown piece by piece, a long line's list
  // is copied over and over, which costs more than the pass itself.
  constexpr size_t kLongestName = sizeof("255.png ") - 1;
  result.glyph_list.reserve(request.text_line.size() * (folder.size() + kLongestName));
  const bool fold = folds_lower_case(request.font_kind);
  const bool plate = request.font_kind == font_kind::car;
  std::bitset<256> named_missing;
  for (size_t i = 0; i < request.text_line.size(); ++i) {
    char& byte = request.text_line[i];
    auto value = static_cast<unsigned char>(byte);
    // The fold runs through 123, so the left brace becomes the left bracket.
    if (fold && value >= 'a' && value <= '{') {
      value -= 'a' - 'A';
      byte = static_cast<char>(value);
    }
    append_glyph_picture(result.glyph_list, folder, value);
    result.glyph_list += ' ';
    result.text_width += plate_width_table[value];
    if (!plate || plate_width_table[value] != 0) {
      ++result.with_picture;
    } else if (!named_missing[value]) {
      named_missing[value] = true;
      result.without_picture.push_back(i);
    }
  }
  return result;
}

}  // namespace glyphrig
