#include "looks.h"

namespace glyph_art {
namespace {

const FontFile kDejaVuBold{"/usr/share/fonts/truetype/dejavu/DejaVuSans-Bold.ttf",
                           "fonts-dejavu-core"};
const FontFile kDejaVuCondensedBold{"/usr/share/fonts/truetype/dejavu/DejaVuSansCondensed-Bold.ttf",
                                    "fonts-dejavu-extra"};
const FontFile kBebasBold{"/usr/share/fonts/opentype/bebas-neue/BebasNeue-Bold.otf",
                          "fonts-bebas-neue"};
const FontFile kSpartanBold{"/usr/share/fonts/opentype/league-spartan/LeagueSpartan-Bold.otf",
                            "fonts-league-spartan"};
const FontFile kRoadgeekD{"/usr/share/fonts/truetype/roadgeek/RG2014D.ttf", "fonts-roadgeek"};
const FontFile kOpenDin{"/usr/share/fonts/truetype/opendin/OSP-DIN.ttf", "fonts-opendin"};

constexpr Rgb kWhite{255, 255, 255};
constexpr Rgb kLightGrey{200, 200, 200};
constexpr Rgb kInk{20, 20, 24};

}  // namespace

const std::vector<Look>& looks() {
  static const std::vector<Look> all = {
      {"normal", kDejaVuBold, kDejaVuBold, 10.0, 1.2, kWhite, kLightGrey, kInk, false, false,
       false},
      {"large", kBebasBold, kDejaVuBold, 48.0, 3.5, kWhite, kLightGrey, kInk, false, false, true},
      {"menu", kSpartanBold, kDejaVuBold, 26.0, 2.0, kWhite, kLightGrey, kInk, false, false, true},
      {"street", kRoadgeekD, kDejaVuCondensedBold, 40.0, 0.0, kWhite, kWhite, kWhite, true, false,
       true},
      {"car", kOpenDin, kDejaVuCondensedBold, 30.0, 0.0, kInk, kInk, kInk, true, true, false},
  };
  return all;
}

}  // namespace glyph_art
