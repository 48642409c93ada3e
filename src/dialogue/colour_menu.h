#ifndef GLYPHRIG_DIALOGUE_COLOUR_MENU_H_
#define GLYPHRIG_DIALOGUE_COLOUR_MENU_H_

#include <array>
#include <cstdint>
#include <iosfwd>
#include <string_view>

#include "dialogue/render_request.h"
#include "imaging/command_runner.h"

// The choice that leaves the picture untinted, and the one that asks for a code.
inline constexpr int32_t kNoTint = 0;
inline constexpr int32_t kCustomColour = 8;

// The tint of each menu choice, as the image tool takes it. Choices 0 and 8
// hold a placeholder: 0 is never coloured and 8 is replaced by the typed code.
inline constexpr std::array<std::string_view, 19> kPalette = {
    "0",       "#b39564", "white",   "#a2d0ff", "#95bfea", "#0099ff", "#ffff6e",
    "#ffa34f", "0",       "#eccbff", "#ff6312", "#61ff18", "#ffd26d", "#007b46",
    "#3852ff", "#dd2c2c", "#ffb600", "#4941ff", "#7a8c8f",
};

// The colour menu, ending with the prompt for the colour number.
void write_colour_menu(std::ostream& out);

// The question that follows choice 8.
inline constexpr std::string_view kColourCodePrompt =
    "Use HTML (i.e. #ffc100) \nEnter the color code:";

// Clears the screen, shows the colour menu and sets colour_index and
// colour_value. False when standard input ended before the choice was made.
bool choose_colour(std::istream& in, std::ostream& out, const CommandRunner& run_command,
                   render_request& request);

#endif  // GLYPHRIG_DIALOGUE_COLOUR_MENU_H_
