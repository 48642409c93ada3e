#ifndef GLYPHRIG_TOOLS_GLYPH_ART_BACKGROUNDS_H_
#define GLYPHRIG_TOOLS_GLYPH_ART_BACKGROUNDS_H_

#include <filesystem>

#include "faces.h"

namespace glyph_art {

// Widths of the plate pieces. The program cuts up to 101 columns off the left and right
// pieces and up to 113 off the middle one; what remains of the ends must still show the
// plate's rim and bolt.
inline constexpr int kPlateEndWidth = 140;
inline constexpr int kPlateMiddleWidth = 130;
inline constexpr int kFixedPlateWidth = 330;

// street/background_street.png: a green road sign, sized for about twenty street letters of
// the given picture height.
void write_street_sign(const FreeType& freetype, const std::filesystem::path& alphabet,
                       int glyph_height, int sign_width);

// car/background_car.png and the three pieces of the fitted plate, all of one height.
void write_plates(const FreeType& freetype, const std::filesystem::path& alphabet,
                  int glyph_height);

}  // namespace glyph_art

#endif  // GLYPHRIG_TOOLS_GLYPH_ART_BACKGROUNDS_H_
