#include "dialogue/font_menu.h"

#include <ostream>

#include "dialogue/answers.h"
#include "dialogue/menu_text.h"

namespace glyphrig {
namespace {

void write_font_menu(std::ostream& out) {
  out << kRule;
  out << "                                  GLYPHRIG                           version 2 \n";
  out << kRule;
  end_block(out);
  for (const typeface& face : kTypefaces) {
    out << "                 " << static_cast<int32_t>(face.kind) << "  -  " << face.menu_name
        << '\n';
    end_block(out);
  }
  out << kRule;
  end_block(out);
  out << "Enter font type number: ";
}

}  // namespace

std::optional<font_kind> choose_font(std::istream& in, std::ostream& out) {
  write_font_menu(out);
  const auto number = read_number(in, out, 0, kFontKinds - 1);
  if (!number) return std::nullopt;
  return static_cast<font_kind>(*number);
}

}  // namespace glyphrig
