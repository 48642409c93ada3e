#include "dialogue/colour_menu.h"

#include <array>
#include <ostream>
#include <string_view>

#include "dialogue/answers.h"
#include "dialogue/menu_text.h"

namespace glyphrig {
namespace {

// The choice that leaves the picture untinted, and the one that asks for a
// typed code.
constexpr int32_t kNoTint = 0;
constexpr int32_t kCustomColour = 8;

// The tint of each menu choice, as the image tool takes it. Choices 0 and 8
// hold a placeholder: 0 is never coloured and 8 is replaced by the typed code.
constexpr std::array<std::string_view, 19> kPalette = {
    "0",       "#b39564", "white",   "#a2d0ff", "#95bfea", "#0099ff", "#ffff6e",
    "#ffa34f", "0",       "#eccbff", "#ff6312", "#61ff18", "#ffd26d", "#007b46",
    "#3852ff", "#dd2c2c", "#ffb600", "#4941ff", "#7a8c8f",
};

void write_colour_menu(std::ostream& out) {
  out << kRule;
  out << " ------------------------  Please pick a color  -------------------------------\n";
  end_block(out);
  out << "              0   -  Normal (Enter)      5  -  Veteran (forum)\n";
  out << "              1   -  Ligh Brown          6  -  VIP (forum)\n";
  out << "              2   -  White (Grey)        7  -  Administrator (forum)\n";
  out << "              3   -  Bright Blue\n";
  out << "              4   -  Dark Blue           8  -  CUSTOM\n";
  end_block(out);
  out << "              9   -  Elvis Mafia\n";
  out << "              10  -  Krishna\n";
  out << "              11  -  Loonies\n";
  out << "              12  -  Mad Island Mafia\n";
  out << "              13  -  Prison Mafia\n";
  out << "              14  -  Redneck\n";
  out << "              15  -  Russian Mafia\n";
  out << "              16  -  Scientists\n";
  out << "              17  -  Yakuza\n";
  out << "              18  -  Zaibatsu\n";
  end_block(out);
  out << kRule;
  end_block(out);
  out << "Enter color number: ";
}

}  // namespace

bool choose_colour(std::istream& in, std::ostream& out, const command_runner& run_command,
                   render_request& request) {
  run_command("cls");
  write_colour_menu(out);
  const auto index = read_number(in, out, 0, static_cast<int32_t>(kPalette.size()) - 1);
  if (!index) return false;
  request.colour_value.reset();
  if (*index == kNoTint) return true;
  request.colour_value = kPalette[*index];
  if (*index != kCustomColour) return true;

  // The code goes to the image tool as typed: the command layer never hands
  // it to a shell, so nothing in it is interpreted.
  out << "Use HTML (i.e. #ffc100) \nEnter the color code:";
  const auto code = read_word(in, out);
  if (!code) return false;
  request.colour_value = *code;
  return true;
}

}  // namespace glyphrig
