#include "imaging/image_commands.h"

#include <algorithm>

#include "glyphs/glyph_pass.h"
#include "imaging/working_tree.h"

namespace glyphrig {
namespace {

std::string convert(std::string_view arguments) {
  return std::string(kConvertTool) + " " + std::string(arguments);
}

// A plate piece, written anew from its source by `arguments`.
image_step piece(std::string_view arguments, std::string_view output) {
  return {convert(std::string(arguments) + " " + std::string(output)), std::string(output), {}};
}

// Joins the pictures side by side, into a picture written anew. The joined
// picture would keep its first part's size as its page, and whatever honours
// the page (flattening onto a colour, say) would cut the picture to it;
// +repage makes its own size its page.
image_step joined(std::string_view pictures, std::string_view output) {
  return piece(std::string(pictures) + " +append +repage", output);
}

// Lays result.png over the middle of a background, keeping the background's size.
image_step centre_on(std::string_view background) {
  return {std::string(kCompositeTool) + " -gravity center result.png " + std::string(background) +
              " result.png",
          std::string(kResultPicture), std::string(background)};
}

// The plate grows one pixel for each pixel of text: the left piece alone
// makes room for 101 pixels, a left and a right piece for 202, and the middle
// piece for 114 more.
constexpr int32_t kLeftRoom = 101;
constexpr int32_t kTwoPieces = 202;
constexpr int32_t kMiddleRoom = 114;
constexpr int32_t kThreePieces = kTwoPieces + kMiddleRoom;
// The fixed plate does not grow: its lettering lies between its bolts,
// columns 18 to 311 of its 330.
constexpr int32_t kFixedPlateRoom = 294;

// The pieces cut for this plate or drawn out for this sign, and the
// background joined from them.
constexpr std::string_view kLeftPiece = "alphabet/left.png";
constexpr std::string_view kMiddlePiece = "alphabet/mid.png";
constexpr std::string_view kRightPiece = "alphabet/right.png";
constexpr std::string_view kJoinedBackground = "alphabet/background.png";

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

image_step strip_step(const std::string& glyph_list) {
  // The list ends with a space and the tail starts with one: two spaces before
  // +append, which the tool does not mind.
  return joined(glyph_list, kResultPicture);
}

std::optional<image_step> tint_step(const render_request& request) {
  if (!typeface_of(request.font_kind).tinted || !request.colour_value) return std::nullopt;
  // ImageMagick 7 applies the operators to the alpha channel too, which
  // would turn the transparent ground opaque; only the colours are tinted.
  const std::string result(kResultPicture);
  return image_step{
      convert("result.png -channel RGB -colorspace Gray -normalize +level-colors black," +
              *request.colour_value + " result.png"),
      result, result};
}

std::vector<image_step> sign_steps(png_size strip, const sign_art& art) {
  const uint32_t room = art.sign.height > strip.height ? art.sign.height - strip.height : 0;
  const uint32_t width = strip.width + room;
  if (width <= art.sign.width) return {centre_on(kStreetBackground)};
  // Every column of the middle is alike, so drawing it out by repeating its
  // one column leaves no seam.
  const uint32_t middle = width - art.left.width - art.right.width;
  return {piece(std::string(kSignMiddle) + " -sample " + std::to_string(middle) + "x" +
                    std::to_string(art.sign.height) + "!",
                kMiddlePiece),
          joined(std::string(kSignLeft) + " " + std::string(kMiddlePiece) + " " +
                     std::string(kSignRight),
                 kJoinedBackground),
          centre_on(kJoinedBackground)};
}

std::string colour_check_command(std::string_view code) {
  // Of an unknown colour xc: makes no picture, and the tint then fails for
  // want of one, in ImageMagick 6 and 7 alike. Warnings are not counted as
  // failures: a tool that misses its colors.xml warns on every call, and
  // still knows every colour. -quiet keeps such warnings off the screen.
  const std::string colour(code);
  return convert("-quiet xc:" + colour + " +level-colors black," + colour + " null:");
}

plate_plan plate_steps(bool auto_adjust, int32_t text_width) {
  plate_plan plan;
  auto& steps = plan.steps;
  if (!auto_adjust) {
    if (text_width > kFixedPlateRoom) {
      plan.refused = true;
    } else {
      steps.push_back(centre_on(kFixedPlate));
    }
    return plan;
  }

  // Each cut trims a piece where it meets the next one: the left piece on its
  // right, the middle and right pieces on their left.
  const bool three_piece = text_width > kTwoPieces;
  if (text_width <= kLeftRoom) {
    steps.push_back(piece("alphabet/car/background_left.png -crop -101+0", kLeftPiece));
    // This one source path has always been written with backslashes.
    steps.push_back(piece("alphabet\\car\\background_right.png -crop +" +
                              int_to_decimal(kLeftRoom - text_width) + "+0",
                          kRightPiece));
  } else if (text_width <= kTwoPieces) {
    steps.push_back(piece(kPlateRight, kRightPiece));
    steps.push_back(piece(
        "alphabet/car/background_left.png -crop -" + int_to_decimal(kTwoPieces - text_width) + "+0",
        kLeftPiece));
  } else {
    steps.push_back(piece(kPlateRight, kRightPiece));
    steps.push_back(piece(kPlateLeft, kLeftPiece));
    if (text_width > kThreePieces) {
      plan.refused = true;
      return plan;
    }
    steps.push_back(piece("alphabet/car/background_middle.png -crop +" +
                              int_to_decimal(kThreePieces - text_width) + "+0",
                          kMiddlePiece));
  }

  std::string pieces(kLeftPiece);
  if (three_piece) pieces += " " + std::string(kMiddlePiece);
  pieces += " " + std::string(kRightPiece);
  steps.push_back(joined(pieces, kJoinedBackground));
  steps.push_back(centre_on(kJoinedBackground));
  return plan;
}

}  // namespace glyphrig
