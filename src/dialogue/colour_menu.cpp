#include "dialogue/colour_menu.h"

#include <algorithm>
#include <array>
#include <ostream>
#include <string_view>

#include "dialogue/answers.h"
#include "dialogue/menu_text.h"
#include "imaging/image_commands.h"

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

// HTML colour codes are often written without their #: a word of 3, 6 or 8
// hexadecimal digits alone is taken as one.
std::string with_number_sign(const std::string& code) {
  const auto hex_digit = [](char c) {
    return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F');
  };
  const bool bare_hex = (code.size() == 3 || code.size() == 6 || code.size() == 8) &&
                        std::all_of(code.begin(), code.end(), hex_digit);
  return bare_hex ? "#" + code : code;
}

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
  run_command("cls", tool_output::shown);
  write_colour_menu(out);
  const auto index = read_number(in, out, 0, static_cast<int32_t>(kPalette.size()) - 1);
  if (!index) return false;
  request.colour_value.reset();
  if (*index == kNoTint) return true;
  request.colour_value = kPalette[*index];
  if (*index != kCustomColour) return true;

  // The code goes to the image tool as typed: the command layer never hands
  // it to a shell, so nothing in it is interpreted. One that the tool does
  // not know would tint the picture black and still make it, so it is asked
  // for again. Where the tool cannot be started at all, the strip will say so.
  out << "Use HTML (i.e. #ffc100) \nEnter the color code:";
  for (;;) {
    const auto code = read_word(in, out);
    if (!code) return false;
    const std::string colour = with_number_sign(*code);
    if (run_command(colour_check_command(colour), tool_output::hidden) != command_end::failed) {
      request.colour_value = colour;
      return true;
    }
    out << "Please enter a correct color code: ";
  }
}

}  // namespace glyphrig
