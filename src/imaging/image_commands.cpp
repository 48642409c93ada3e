#include "imaging/image_commands.h"

#include <algorithm>

#include "glyphs/glyph_pass.h"
#include "imaging/working_tree.h"

namespace glyphrig {
namespace {

std::string convert(std::string_view arguments) {
  return std::string(kConvertTool) + " " + std::string(arguments);
}

// Joins the pictures side by side. The joined picture would keep its first
// part's size as its page, and whatever honours the page (flattening onto a
// colour, say) would cut the picture to it; +repage makes its own size its
// page.
std::string joined(std::string_view pictures, std::string_view output) {
  return convert(std::string(pictures) + " +append +repage " + std::string(output));
}

// Lays result.png over the middle of a background, keeping the background's size.
std::string centre_on(std::string_view background) {
  return std::string(kCompositeTool) + " -gravity center result.png " + std::string(background) +
         " result.png";
}

// The plate grows one pixel for each pixel of text: the left piece alone
// makes room for 101 pixels, a left and a right piece for 202, and the middle
// piece for 114 more.
constexpr int32_t kLeftRoom = 101;
constexpr int32_t kTwoPieces = 202;
constexpr int32_t kMiddleRoom = 114;
constexpr int32_t kThreePieces = kTwoPieces + kMiddleRoom;

}  // namespace

std::vector<std::string> command_words(std::string_view line) {
  std::vector<std::string> words;
  for (size_t start = 0; start < line.size();) {
    const size_t end = std::min(line.find(' ', start), line.size());
    if (end > start) words.emplace_back(line.substr(start, end - start));
    start = end + 1;
  }
  return words;
}

std::string strip_command(const std::string& glyph_list) {
  // The list ends with a space and the tail starts with one: two spaces before
  // +append, which the tool does not mind.
  return joined(glyph_list, kResultPicture);
}

std::optional<std::string> tint_or_sign_command(const render_request& request) {
  if (takes_colour(request.font_kind) && request.colour_value) {
    // ImageMagick 7 applies the operators to the alpha channel too, which
    // would turn the transparent ground opaque; only the colours are tinted.
    return convert("result.png -channel RGB -colorspace Gray -normalize +level-colors black," +
                   *request.colour_value + " result.png");
  }
  if (request.font_kind == font_kind::street) return centre_on(kStreetBackground);
  return std::nullopt;
}

plate_plan plate_commands(bool auto_adjust, int32_t text_width) {
  plate_plan plan;
  auto& commands = plan.commands;
  if (!auto_adjust) {
    commands.push_back(centre_on(kFixedPlate));
    return plan;
  }

  // Each cut trims a piece where it meets the next one: the left piece on its
  // right, the middle and right pieces on their left.
  const bool three_piece = text_width > kTwoPieces;
  if (text_width <= kLeftRoom) {
    commands.push_back(convert("alphabet/car/background_left.png -crop -101+0 alphabet/left.png"));
    // This one source path has always been written with backslashes.
    commands.push_back(convert("alphabet\\car\\background_right.png -crop +" +
                               int_to_decimal(kLeftRoom - text_width) + "+0 alphabet/right.png"));
  } else if (text_width <= kTwoPieces) {
    commands.push_back(convert("alphabet/car/background_right.png alphabet/right.png"));
    commands.push_back(convert("alphabet/car/background_left.png -crop -" +
                               int_to_decimal(kTwoPieces - text_width) + "+0 alphabet/left.png"));
  } else {
    commands.push_back(convert("alphabet/car/background_right.png alphabet/right.png"));
    commands.push_back(convert("alphabet/car/background_left.png alphabet/left.png"));
    if (text_width > kThreePieces) {
      plan.refused = true;
      return plan;
    }
    commands.push_back(convert("alphabet/car/background_middle.png -crop +" +
                               int_to_decimal(kThreePieces - text_width) + "+0 alphabet/mid.png"));
  }

  commands.push_back(joined(three_piece ? "alphabet/left.png alphabet/mid.png alphabet/right.png"
                                        : "alphabet/left.png alphabet/right.png",
                            "alphabet/background.png"));
  commands.push_back(centre_on("alphabet/background.png"));
  return plan;
}

}  // namespace glyphrig
