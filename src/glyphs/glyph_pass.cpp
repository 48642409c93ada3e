#include "glyphs/glyph_pass.h"

#include <bitset>

#include "dialogue/font_menu.h"
#include "glyphs/plate_width_table.h"
#include "imaging/working_tree.h"

std::string int_to_decimal(int32_t value) { return std::to_string(value); }

glyph_pass_result glyph_pass(render_request& request) {
  glyph_pass_result result;
  // Room for the whole list at once: grown piece by piece, a long line's list
  // is copied over and over, which costs more than the pass itself.
  constexpr size_t kLongestName = sizeof("255.png ") - 1;
  result.glyph_list.reserve(request.text_line.size() * (request.font_folder.size() + kLongestName));
  const bool fold = request.font_kind != kNormalFont;
  std::bitset<256> named_missing;
  for (size_t i = 0; i < request.text_line.size(); ++i) {
    char& byte = request.text_line[i];
    auto value = static_cast<unsigned char>(byte);
    // The fold runs through 123, so the left brace becomes the left bracket.
    if (fold && value >= 'a' && value <= '{') {
      value -= 'a' - 'A';
      byte = static_cast<char>(value);
    }
    result.glyph_list += request.font_folder;
    result.glyph_list += int_to_decimal(value);
    result.glyph_list += ".png ";
    result.text_width += plate_width_table[value];
    if (request.font_kind == kCarFont && plate_width_table[value] == 0 && !named_missing[value]) {
      named_missing[value] = true;
      result.without_picture.push_back(i);
    }
  }
  return result;
}

std::string strip_command(const std::string& glyph_list) {
  // The list ends with a space and the tail starts with one: two spaces before
  // +append, which the tool does not mind. The joined strip would keep its
  // first glyph's size as its page, and whatever honours the page (flattening
  // onto a colour, say) would show only that glyph; +repage makes the strip's
  // own size its page.
  return std::string(kConvertTool) + " " + glyph_list + " +append +repage " +
         std::string(kResultPicture);
}
