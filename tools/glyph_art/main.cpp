// Draws the glyph pictures and backgrounds of Glyphrig's working tree.
// Usage: glyph_art <alphabet folder> [<contact sheet folder>]
// With a contact sheet folder, it also lists each font's pictures there, one file name a
// line in byte order (<font>.txt), for ImageMagick's montage to read.

#include <exception>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <optional>
#include <set>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

#include "backgrounds.h"
#include "faces.h"
#include "glyph_folder.h"
#include "looks.h"

namespace {

// Every missing font is named before anything is drawn, so one apt-get fixes them all.
bool fonts_installed() {
  std::set<std::string> missing;
  for (const glyph_art::folder_look& look : glyph_art::looks()) {
    for (const glyph_art::font_file& font : {look.main, look.fallback}) {
      if (!std::filesystem::exists(font.path)) {
        std::cerr << "glyph_art: font file " << font.path << " is missing (Debian package "
                  << font.package << ")\n";
        missing.insert(font.package);
      }
    }
  }
  if (missing.empty()) return true;
  std::cerr << "glyph_art: install the fonts with: apt-get install";
  for (const std::string& package : missing) std::cerr << ' ' << package;
  std::cerr << '\n';
  return false;
}

void write_list(const std::filesystem::path& sheets, const glyph_art::folder_look& look,
                const glyph_art::folder_report& report) {
  std::ofstream list(sheets / (look.folder() + ".txt"));
  for (const auto& file : report.files) list << file.string() << '\n';
  if (!list) throw std::runtime_error("cannot write the list in " + sheets.string());
}

void draw(const std::filesystem::path& alphabet,
          const std::optional<std::filesystem::path>& sheets) {
  const glyph_art::freetype_library freetype;
  if (sheets) std::filesystem::create_directories(*sheets);
  std::vector<std::pair<const glyph_art::folder_look*, glyph_art::folder_report>> drawn;
  for (const glyph_art::folder_look& look : glyph_art::looks()) {
    glyph_art::folder_report report = glyph_art::write_glyph_folder(freetype, look, alphabet);
    const auto count = [&report](glyph_art::letter_source source) {
      return report.by_source[static_cast<std::size_t>(source)];
    };
    std::cout << "glyph_art: " << look.folder() << ": " << report.files.size() << " pictures, "
              << report.height << " px high; drawn from the face "
              << count(glyph_art::letter_source::own) << ", composed "
              << count(glyph_art::letter_source::composed) << ", twinned "
              << count(glyph_art::letter_source::twin) << ", from the fallback "
              << count(glyph_art::letter_source::fallback) << ", blank "
              << count(glyph_art::letter_source::none) << "; " << report.flattened
              << " with their marks flattened to fit\n";
    if (sheets) write_list(*sheets, look, report);
    drawn.emplace_back(&look, std::move(report));
  }
  // The build takes the backgrounds for the whole set, so they are written last: a run that
  // stops early leaves them missing and the build draws everything again.
  for (const auto& [look, report] : drawn) {
    glyph_art::write_background(freetype, *look, report, alphabet);
  }
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2 && argc != 3) {
    std::cerr << "usage: glyph_art <alphabet folder> [<contact sheet folder>]\n";
    return 2;
  }
  if (!fonts_installed()) return 1;
  try {
    draw(argv[1], argc == 3 ? std::optional<std::filesystem::path>(argv[2]) : std::nullopt);
  } catch (const std::exception& e) {
    std::cerr << "glyph_art: " << e.what() << '\n';
    return 1;
  }
  return 0;
}
