#include "dialogue/typed_text.h"

#include <algorithm>
#include <cstdio>

#include "glyphs/character_glyphs.h"
#include "glyphs/code_page_850.h"
#include "glyphs/glyph_pass.h"

namespace glyphrig {
namespace {

constexpr char32_t kReplacementCharacter = 0xFFFD;

struct utf8_character {
  char32_t value = 0;
  size_t length = 0;  // 0: no valid sequence starts here
};

// The valid UTF-8 sequence at the start of `text`: no overlong forms, no
// surrogates, nothing beyond U+10FFFF.
utf8_character first_utf8_character(std::string_view text) {
  const auto byte = [&text](size_t i) { return static_cast<unsigned char>(text[i]); };
  const unsigned char lead = byte(0);
  if (lead < 0x80) return {lead, 1};
  size_t length = 0;
  char32_t value = 0;
  char32_t lowest = 0;
  if (lead >= 0xC2 && lead <= 0xDF) {
    length = 2, value = lead & 0x1F, lowest = 0x80;
  } else if (lead >= 0xE0 && lead <= 0xEF) {
    length = 3, value = lead & 0x0F, lowest = 0x800;
  } else if (lead >= 0xF0 && lead <= 0xF4) {
    length = 4, value = lead & 0x07, lowest = 0x10000;
  } else {
    return {};
  }
  if (text.size() < length) return {};
  for (size_t i = 1; i < length; ++i) {
    if ((byte(i) & 0xC0) != 0x80) return {};
    value = value << 6 | (byte(i) & 0x3F);
  }
  if (value < lowest || value > 0x10FFFF || (value >= 0xD800 && value <= 0xDFFF)) return {};
  return {value, length};
}

// How a replaced character is named on the screen: as typed, but controls,
// which would show nothing or move the cursor, by their code.
std::string as_typed(char32_t character) {
  if (character < 0x20 || (character >= 0x7F && character < 0xA0)) {
    char code[8];
    std::snprintf(code, sizeof code, "U+%04X", static_cast<unsigned>(character));
    return code;
  }
  std::string text;
  append_utf8(text, character);
  return text;
}

void add_character(typed_glyphs& line, const typeface& face, char32_t character) {
  character_drawing drawing = drawing_of(face, character);
  if (drawing.replaced && drawing.glyphs == U"?" && !has_picture(face, '?')) {
    drawing.glyphs.clear();
  }
  line.glyphs += drawing.glyphs;
  if (!drawing.replaced) return;
  std::string typed = as_typed(character);
  const bool named =
      std::any_of(line.replaced.begin(), line.replaced.end(),
                  [&typed](const replaced_character& r) { return r.typed == typed; });
  if (named) return;
  std::string drawn;  // the nearest letters are all of the code page
  for (const glyph_code glyph : drawing.glyphs) drawn += static_cast<char>(glyph);
  line.replaced.push_back({std::move(typed), std::move(drawn)});
}

// How many bytes at the end of `text` begin a sequence that they are too few
// to finish.
size_t cut_off_tail(std::string_view text) {
  for (size_t back = 1; back <= 3 && back <= text.size(); ++back) {
    const auto byte = static_cast<unsigned char>(text[text.size() - back]);
    if ((byte & 0xC0) == 0x80) continue;
    const size_t length = byte >= 0xF0 ? 4 : byte >= 0xE0 ? 3 : byte >= 0xC0 ? 2 : 1;
    return length > back ? back : 0;
  }
  return 0;
}

}  // namespace

typed_glyphs to_glyphs(std::string_view typed, const typeface& face, const legacy_decoder& legacy) {
  typed_glyphs line;
  line.glyphs.reserve(typed.size());
  while (!typed.empty()) {
    if (const utf8_character c = first_utf8_character(typed); c.length != 0) {
      add_character(line, face, c.value);
      typed.remove_prefix(c.length);
      continue;
    }
    // The bytes up to the next valid sequence are of another code page; a
    // multi-byte code page needs them together.
    size_t run = 1;
    while (run < typed.size() && first_utf8_character(typed.substr(run)).length == 0) ++run;
    const std::string decoded = legacy(typed.substr(0, run));
    for (std::string_view rest = decoded; !rest.empty();) {
      const utf8_character c = first_utf8_character(rest);
      add_character(line, face, c.length != 0 ? c.value : kReplacementCharacter);
      rest.remove_prefix(std::max<size_t>(c.length, 1));
    }
    typed.remove_prefix(run);
  }
  return line;
}

std::optional<std::string> replacement_note(const std::vector<replaced_character>& replaced) {
  std::string nearest;
  std::string unknown;
  std::string left_out;
  for (const replaced_character& r : replaced) {
    if (r.drawn.empty()) {
      left_out += ' ' + r.typed;
    } else if (r.drawn == "?") {
      unknown += ' ' + r.typed;
    } else {
      nearest += ' ' + r.typed + "\u2192" + code_page_850_to_utf8(r.drawn);
    }
  }
  // The first kind of replacement opens the line; each other one follows it.
  std::string note;
  const auto add = [&note](std::string_view opening, std::string_view following,
                           const std::string& names) {
    if (names.empty()) return;
    note += note.empty() ? opening : following;
    note += names;
  };
  add("Drawn with the nearest letters the font has:", "", nearest);
  add("Drawn as ?, as the font has no letter like them:", "; as ?:", unknown);
  add("Left out, as this font has no letter like them:", "; left out:", left_out);
  if (note.empty()) return std::nullopt;
  return note;
}

std::string utf16_to_utf8(std::u16string_view text, char16_t& pending) {
  std::string utf8;
  utf8.reserve(text.size() * 3);
  const auto is_high = [](char16_t unit) { return unit >= 0xD800 && unit <= 0xDBFF; };
  const auto is_low = [](char16_t unit) { return unit >= 0xDC00 && unit <= 0xDFFF; };
  for (const char16_t unit : text) {
    if (pending != 0) {
      const char16_t high = pending;
      pending = 0;
      if (is_low(unit)) {
        append_utf8(utf8, 0x10000 + ((high - 0xD800) << 10) + (unit - 0xDC00));
        continue;
      }
      append_utf8(utf8, kReplacementCharacter);
    }
    if (is_high(unit)) {
      pending = unit;
    } else {
      append_utf8(utf8, is_low(unit) ? kReplacementCharacter : unit);
    }
  }
  return utf8;
}

std::u16string utf8_to_utf16(std::string_view text, std::string& pending) {
  std::string joined = pending + std::string(text);
  // A sequence cut off at the end waits for the rest of it.
  const size_t cut = cut_off_tail(joined);
  pending = joined.substr(joined.size() - cut);
  joined.resize(joined.size() - cut);
  std::u16string utf16;
  utf16.reserve(joined.size());
  std::string_view rest = joined;
  while (!rest.empty()) {
    const utf8_character c = first_utf8_character(rest);
    const char32_t value =
        c.length != 0 ? c.value : code_page_850_character(static_cast<unsigned char>(rest[0]));
    if (value >= 0x10000) {
      utf16 += static_cast<char16_t>(0xD800 + ((value - 0x10000) >> 10));
      utf16 += static_cast<char16_t>(0xDC00 + ((value - 0x10000) & 0x3FF));
    } else {
      utf16 += static_cast<char16_t>(value);
    }
    rest.remove_prefix(c.length != 0 ? c.length : 1);
  }
  return utf16;
}

}  // namespace glyphrig
