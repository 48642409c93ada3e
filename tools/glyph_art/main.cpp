// Draws the glyph pictures and backgrounds of Glyphrig's working tree.
// Usage: glyph_art <alphabet folder> [<contact sheet folder>]
// With a contact sheet folder, it also lists each font's pictures there, one file name a
// line in byte order (<font>.txt), for ImageMagick's montage to read.

#include <exception>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <set>
#include <stdexcept>
#include <string>

#include "backgrounds.h"
#include "faces.h"
#include "glyph_folder.h"
#include "looks.h"

int main(int argc, char** argv) {
  if (argc != 2 && argc != 3) {
    std::cerr << "usage: glyph_art <alphabet folder> [<contact sheet folder>]\n";
    return 2;
  }
  const std::filesystem::path alphabet = argv[1];
  // Every missing font is named before anything is drawn, so one apt-get fixes them all.
  std::set<std::string> missing;
  for (const glyph_art::Look& look : glyph_art::looks()) {
    for (const glyph_art::FontFile& font : {look.main, look.fallback}) {
      if (!std::filesystem::exists(font.path)) {
        std::cerr << "glyph_art: font file " << font.path << " is missing (Debian package "
                  << font.package << ")\n";
        missing.insert(font.package);
      }
    }
  }
  if (!missing.empty()) {
    std::cerr << "glyph_art: install the fonts with: apt-get install";
    for (const std::string& package : missing) std::cerr << ' ' << package;
    std::cerr << '\n';
    return 1;
  }
  try {
    const glyph_art::FreeType freetype;
    int street_height = 0;
    double street_capital = 0;
    int car_height = 0;
    for (const glyph_art::Look& look : glyph_art::looks()) {
      const auto report = glyph_art::write_glyph_folder(freetype, look, alphabet);
      std::cout << "glyph_art: " << look.folder << ": " << report.files.size() << " pictures, "
                << report.height << " px high, " << report.from_fallback
                << " drawn from the fallback face\n";
      if (argc == 3) {
        std::filesystem::create_directories(argv[2]);
        std::ofstream list(std::filesystem::path(argv[2]) / (std::string(look.folder) + ".txt"));
        for (const auto& file : report.files) list << file.string() << '\n';
        if (!list) throw std::runtime_error(std::string("cannot write the list in ") + argv[2]);
      }
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
