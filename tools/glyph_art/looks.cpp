#include "looks.h"

namespace glyph_art {
namespace {

const font_file kDejaVuBold{.path = "/usr/share/fonts/truetype/dejavu/DejaVuSans-Bold.ttf",
                            .package = "fonts-dejavu-core"};
const font_file kDejaVuCondensedBold{
    .path = "/usr/share/fonts/truetype/dejavu/DejaVuSansCondensed-Bold.ttf",
    .package = "fonts-dejavu-extra"};
const font_file kBebasBold{.path = "/usr/share/fonts/opentype/bebas-neue/BebasNeue-Bold.otf",
                           .package = "fonts-bebas-neue"};
const font_file kSpartanBold{
    .path = "/usr/share/fonts/opentype/league-spartan/LeagueSpartan-Bold.otf",
    .package = "fonts-league-spartan"};
const font_file kRoadgeekD{.path = "/usr/share/fonts/truetype/roadgeek/RG2014D.ttf",
                           .package = "fonts-roadgeek"};
const font_file kOpenDin{.path = "/usr/share/fonts/truetype/opendin/OSP-DIN.ttf",
                         .package = "fonts-opendin"};

constexpr rgb kWhite{.r = 255, .g = 255, .b = 255};
constexpr rgb kLightGrey{.r = 200, .g = 200, .b = 200};
constexpr rgb kInk{.r = 20, .g = 20, .b = 24};

}  // namespace

std::string folder_look::folder() const {
  // The program names the folder as the command lines do, "alphabet/large/".
  std::string_view path = face.folder;
  path.remove_suffix(1);
  return std::string(path.substr(path.rfind('/') + 1));
}

const std::vector<folder_look>& looks() {
  static const std::vector<folder_look> all = {
      {
          .face = glyphrig::typeface_of(glyphrig::font_kind::normal),
          .main = kDejaVuBold,
          .fallback = kDejaVuBold,
          .pixels = 10.0,
          .outline = 1.2,
          .fill_top = kWhite,
          .fill_bottom = kLightGrey,
          .border = kInk,
      },
      {
          .face = glyphrig::typeface_of(glyphrig::font_kind::large),
          .main = kBebasBold,
          .fallback = kDejaVuBold,
          .pixels = 48.0,
          .outline = 3.5,
          .fill_top = kWhite,
          .fill_bottom = kLightGrey,
          .border = kInk,
      },
      {
          .face = glyphrig::typeface_of(glyphrig::font_kind::menu),
          .main = kSpartanBold,
          .fallback = kDejaVuBold,
          .pixels = 26.0,
          .outline = 2.0,
          .fill_top = kWhite,
          .fill_bottom = kLightGrey,
          .border = kInk,
      },
      {
          .face = glyphrig::typeface_of(glyphrig::font_kind::street),
          .main = kRoadgeekD,
          .fallback = kDejaVuCondensedBold,
          .pixels = 40.0,
          .outline = 0.0,
          .fill_top = kWhite,
          .fill_bottom = kWhite,
          .border = kWhite,
      },
      {
          .face = glyphrig::typeface_of(glyphrig::font_kind::car),
          .main = kOpenDin,
          .fallback = kDejaVuCondensedBold,
          .pixels = 30.0,
          .outline = 0.0,
          .fill_top = kInk,
          .fill_bottom = kInk,
          .border = kInk,
      },
  };
  return all;
}

}  // namespace glyph_art
