#include "command_shapes.h"

#include <algorithm>
#include <array>

#include "glyphs/character_glyphs.h"
#include "glyphs/plate_width_table.h"
#include "request/font_kind.h"

namespace {

constexpr std::string_view kConvert = "imagemagick\\convert.exe ";

constexpr std::array<std::string_view, 10> kFixedCommands = {
    "cls",
    "alphabet\\remove_temp.bat",
    "imagemagick\\composite.exe -gravity center result.png alphabet/street/background_street.png "
    "result.png",
    "imagemagick\\composite.exe -gravity center result.png alphabet/car/background_car.png "
    "result.png",
    "imagemagick\\composite.exe -gravity center result.png alphabet/background.png result.png",
    "imagemagick\\convert.exe alphabet/car/background_left.png alphabet/left.png",
    "imagemagick\\convert.exe alphabet/car/background_right.png alphabet/right.png",
    "imagemagick\\convert.exe alphabet/left.png alphabet/right.png +append +repage "
    "alphabet/background.png",
    "imagemagick\\convert.exe alphabet/left.png alphabet/mid.png alphabet/right.png +append "
    "+repage "
    "alphabet/background.png",
    "imagemagick\\convert.exe alphabet/street/background_left.png alphabet/mid.png "
    "alphabet/street/background_right.png +append +repage alphabet/background.png",
};

// Takes `head` off the front of `text`, if it is there.
bool take(std::string_view& text, std::string_view head) {
  if (!text.starts_with(head)) return false;
  text.remove_prefix(head.size());
  return true;
}

// Takes a number from 0 to `most` off the front of `text`, written the way the
// program writes numbers: no sign, no leading zero.
bool take_number(std::string_view& text, int most, int& value) {
  size_t digits = 0;
  value = 0;
  while (digits < text.size() && text[digits] >= '0' && text[digits] <= '9') {
    value = value * 10 + (text[digits] - '0');
    if (value > most) return false;
    ++digits;
  }
  if (digits == 0 || (digits > 1 && text[0] == '0')) return false;
  text.remove_prefix(digits);
  return true;
}

// A plate piece cut by 0 to `most` pixels: head, the amount, tail.
bool is_cut(std::string_view line, std::string_view head, int most, std::string_view tail) {
  int amount = 0;
  return take(line, head) && take_number(line, most, amount) && line == tail;
}

bool is_plate_cut(std::string_view line) {
  return is_cut(line, "imagemagick\\convert.exe alphabet/car/background_left.png -crop -", 101,
                "+0 alphabet/left.png") ||
         is_cut(line, "imagemagick\\convert.exe alphabet\\car\\background_right.png -crop +", 101,
                "+0 alphabet/right.png") ||
         is_cut(line, "imagemagick\\convert.exe alphabet/car/background_middle.png -crop +", 113,
                "+0 alphabet/mid.png");
}

// The middle of a long street sign, drawn out to its width and the sign's height.
bool is_sign_middle(std::string_view line) {
  int width = 0;
  int height = 0;
  return take(line, "imagemagick\\convert.exe alphabet/street/background_middle.png -sample ") &&
         take_number(line, 100'000'000, width) && take(line, "x") &&
         take_number(line, 10'000, height) && line == "! alphabet/mid.png";
}

// The typeface whose glyph folder `line` starts with, taken off the front.
const glyphrig::typeface* take_folder(std::string_view& line) {
  for (const glyphrig::typeface& face : glyphrig::kTypefaces) {
    if (take(line, face.folder)) return &face;
  }
  return nullptr;
}

// Takes "u" and a code point of four upper-case hex digits off the front of
// `text`: one that the fonts beyond code page 850 have a picture of.
bool take_code_point(std::string_view& text) {
  if (text.size() < 5 || text[0] != 'u') return false;
  char32_t value = 0;
  for (const char digit : text.substr(1, 4)) {
    if (digit >= '0' && digit <= '9') {
      value = value * 16 + static_cast<char32_t>(digit - '0');
    } else if (digit >= 'A' && digit <= 'F') {
      value = value * 16 + static_cast<char32_t>(digit - 'A' + 10);
    } else {
      return false;
    }
  }
  const auto& drawn = glyphrig::characters_beyond_code_page();
  if (!std::binary_search(drawn.begin(), drawn.end(), value)) return false;
  text.remove_prefix(5);
  return true;
}

// The tool, then "alphabet/<font>/<byte>.png " for each byte, all of one font,
// and "alphabet/<font>/u<code point>.png " for a character beyond code page
// 850 in a font that has it, then " +append +repage result.png". The
// capitals-only fonts have their lower case and left brace folded away, and a
// plate names only the bytes it has widths for.
bool is_strip(std::string_view line) {
  if (!take(line, kConvert)) return false;
  const glyphrig::typeface* font = nullptr;
  while (line.starts_with("alphabet/")) {
    const glyphrig::typeface* this_font = take_folder(line);
    if (this_font == nullptr || (font != nullptr && this_font != font)) return false;
    font = this_font;
    if (font->beyond_code_page && take_code_point(line)) {
      if (!take(line, ".png ")) return false;
      continue;
    }
    int byte = 0;
    if (!take_number(line, 255, byte)) return false;
    if (font->capitals_only && byte >= 'a' && byte <= '{') return false;
    if (font->plate_widths && glyphrig::plate_width_table[static_cast<size_t>(byte)] == 0) {
      return false;
    }
    if (!take(line, ".png ")) return false;
  }
  return line == " +append +repage result.png";
}

// White space as a formatted read of one word sees it.
bool is_word_break(char c) {
  return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

// The colour is one word, whatever its characters.
bool is_tint(std::string_view line) {
  constexpr std::string_view tail = " result.png";
  if (!take(line,
            "imagemagick\\convert.exe result.png -channel RGB -colorspace Gray -normalize "
            "+level-colors black,") ||
      !line.ends_with(tail)) {
    return false;
  }
  const std::string_view colour = line.substr(0, line.size() - tail.size());
  return !colour.empty() && std::none_of(colour.begin(), colour.end(), is_word_break);
}

// The check of a typed colour code, the same word twice.
bool is_colour_check(std::string_view line) {
  if (!take(line, "imagemagick\\convert.exe -quiet xc:")) return false;
  const size_t end = line.find(' ');
  const std::string_view colour = line.substr(0, end);
  if (colour.empty() || std::any_of(colour.begin(), colour.end(), is_word_break)) return false;
  line.remove_prefix(colour.size());
  return take(line, " +level-colors black,") && take(line, colour) && line == " null:";
}

}  // namespace

bool is_program_command(std::string_view line) {
  return std::find(kFixedCommands.begin(), kFixedCommands.end(), line) != kFixedCommands.end() ||
         is_strip(line) || is_tint(line) || is_plate_cut(line) || is_sign_middle(line) ||
         is_colour_check(line);
}
