// Draws the glyph pictures and backgrounds of Glyphrig's working tree.
// Usage: glyph_art <alphabet folder>

#include <exception>
#include <filesystem>
#include <iostream>
#include <string>

#include "backgrounds.hpp"
#include "faces.hpp"
#include "glyph_folder.hpp"
#include "looks.hpp"

int main(int argc, char** argv) {
  if (argc != 2) {
    std::cerr << "usage: glyph_art <alphabet folder>\n";
    return 2;
  }
  const std::filesystem::path alphabet = argv[1];
  try {
    const glyph_art::FreeType freetype;
    int street_height = 0;
    double street_capital = 0;
    int car_height = 0;
    for (const glyph_art::Look& look : glyph_art::looks()) {
      const auto report = glyph_art::write_glyph_folder(freetype, look, alphabet);
      std::cout << "glyph_art: " << look.folder << ": " << report.pictures << " pictures, "
                << report.height << " px high, " << report.from_fallback
                << " drawn from the fallback face\n";
      if (std::string(look.folder) == "street") {
        street_height = report.height;
        street_capital = report.capital_width;
      }
      if (std::string(look.folder) == "car") car_height = report.height;
    }
    // Room for twenty capitals and a margin inside the rim; the framing keeps this size.
    const int sign_width = static_cast<int>(20 * street_capital) + 80;
    glyph_art::write_street_sign(freetype, alphabet, street_height, sign_width);
    glyph_art::write_plates(freetype, alphabet, car_height);
  } catch (const std::exception& e) {
    std::cerr << "glyph_art: " << e.what() << '\n';
    return 1;
  }
  return 0;
}
