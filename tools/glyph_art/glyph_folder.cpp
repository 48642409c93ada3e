#include "glyph_folder.h"

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "cp850.h"
#include "glyph_ink.h"
#include "glyphs/plate_width_table.h"
#include "png_file.h"

namespace glyph_art {
namespace {

// The program sizes a fitted plate from its own width table without measuring any
// picture, so each plate picture is drawn exactly as wide as that table says.
int plate_width(unsigned char byte) { return glyphrig::plate_width_table[byte]; }

struct Entry {
  unsigned char byte;
  GlyphInk ink;
};

char32_t character_of(const Look& look, unsigned char byte) {
  // CP850 puts a box corner at 218, but its plate width and neighbours are accented
  // capitals; U acute is the letter a plate can carry there.
  if (look.plate && byte == 218) return U'\u00DA';
  const char32_t ch = cp850_to_unicode(byte);
  // The program folds only a to z; the accented lower-case bytes keep their own pictures,
  // so in a capitals-only font those pictures are capitals too.
  return look.capitals_only ? capital_of(ch) : ch;
}

std::vector<unsigned char> bytes_of(const Look& look) {
  std::vector<unsigned char> bytes;
  for (int b = 0; b < 256; ++b) {
    if (!look.plate || plate_width(static_cast<unsigned char>(b)) > 0) {
      bytes.push_back(static_cast<unsigned char>(b));
    }
  }
  return bytes;
}

// Renders a plate letter condensed just enough to leave a pixel free at either side.
GlyphInk fit_plate_ink(FT_Library library, Face& face, char32_t ch, int width) {
  const int room = width >= 7 ? width - 2 : width;
  GlyphInk ink = render_ink(library, face, ch, 0.0);
  double scale = 1.0;
  for (int attempt = 0; attempt < 20 && ink.fill.cover.width > room; ++attempt) {
    scale *= std::min(0.98, static_cast<double>(room) / ink.fill.cover.width);
    ink = render_ink(library, face, ch, 0.0, scale);
  }
  return ink;
}

int top_of(const GlyphInk& ink) {
  int top = ink.fill.empty() ? 0 : ink.fill.top;
  if (!ink.border.empty()) top = std::max(top, ink.border.top);
  return top;
}

int bottom_of(const GlyphInk& ink) {
  int bottom = ink.fill.empty() ? 0 : ink.fill.bottom();
  if (!ink.border.empty()) bottom = std::max(bottom, ink.border.bottom());
  return bottom;
}

// Rendered pictures share one height and one baseline, rows from the top.
struct Cell {
  int height;
  int baseline;
  double cap;  // height of the capitals above the baseline
};

std::vector<Entry> render_entries(const FreeType& freetype, FaceSet& faces, const Look& look,
                                  FolderReport& report) {
  const GlyphInk space = render_ink(freetype.get(), faces.main(), U' ', look.outline);
  std::vector<Entry> entries;
  for (unsigned char byte : bytes_of(look)) {
    const char32_t ch = character_of(look, byte);
    Face* face = ch == 0 ? nullptr : faces.face_for(ch);
    if (face == nullptr) {
      entries.push_back({byte, GlyphInk{{}, {}, space.advance}});
      continue;
    }
    if (face != &faces.main()) ++report.from_fallback;
    entries.push_back({byte, look.plate
                                 ? fit_plate_ink(freetype.get(), *face, ch, plate_width(byte))
                                 : render_ink(freetype.get(), *face, ch, look.outline)});
  }
  return entries;
}

// Tall enough for the highest and the deepest glyph, so nothing is cut. Text laid on a
// background gets as much room above the capitals as below the baseline, so that
// centring the line centres its capitals.
Cell cell_for(const std::vector<Entry>& entries, const Look& look, double cap) {
  int above = 0;
  int below = 0;
  for (const Entry& e : entries) {
    above = std::max(above, top_of(e.ink));
    below = std::max(below, bottom_of(e.ink));
  }
  if (!look.caps_centred) return Cell{above + below, above, cap};
  const int cap_px = static_cast<int>(std::lround(cap));
  const int margin = std::max(above - cap_px, below);
  return Cell{cap_px + 2 * margin, margin + cap_px, cap};
}

Canvas draw_entry(const Entry& e, const Look& look, const Cell& cell) {
  const GlyphInk& ink = e.ink;
  int origin = 0;
  int width = 0;
  if (look.plate) {
    width = plate_width(e.byte);
    origin = ink.fill.empty() ? 0 : (width - ink.fill.cover.width) / 2 - ink.fill.left;
  } else {
    int leftmost = ink.fill.empty() ? 0 : ink.fill.left;
    int rightmost = ink.fill.empty() ? 0 : ink.fill.left + ink.fill.cover.width;
    if (!ink.border.empty()) {
      leftmost = std::min(leftmost, ink.border.left);
      rightmost = std::max(rightmost, ink.border.left + ink.border.cover.width);
    }
    // Outlines eat into the side bearings; half an outline of extra room keeps
    // neighbours' outlines from merging without spreading a small font apart.
    const int gap = static_cast<int>(std::lround(look.outline / 2));
    origin = std::max(0, -leftmost);
    width = std::max({origin + ink.advance + gap, origin + rightmost, 1});
  }
  Canvas canvas(width, cell.height);
  if (!ink.border.empty()) {
    canvas.paint(ink.border.cover, origin + ink.border.left, cell.baseline - ink.border.top,
                 look.border);
  }
  if (!ink.fill.empty()) {
    const double cap_row = cell.baseline - cell.cap;
    canvas.paint(
        ink.fill.cover, origin + ink.fill.left, cell.baseline - ink.fill.top,
        [&](int row) { return mix(look.fill_top, look.fill_bottom, (row - cap_row) / cell.cap); });
  }
  return canvas;
}

}  // namespace

FolderReport write_glyph_folder(const FreeType& freetype, const Look& look,
                                const std::filesystem::path& alphabet) {
  FaceSet faces(freetype, look.main, look.fallback, look.pixels);
  FolderReport report;
  const std::vector<Entry> entries = render_entries(freetype, faces, look, report);
  const Cell cell = cell_for(entries, look, faces.cap_height());
  report.height = cell.height;

  const auto folder = alphabet / look.folder;
  // Start empty: a picture left from an earlier set would name a byte the set no longer has.
  std::filesystem::remove_all(folder);
  std::filesystem::create_directories(folder);
  for (const Entry& e : entries) {
    const Canvas canvas = draw_entry(e, look, cell);
    const auto file = folder / (std::to_string(e.byte) + ".png");
    write_png(file, canvas);
    report.files.push_back(file);
    if (e.byte >= 'A' && e.byte <= 'Z') report.capital_width += canvas.width() / 26.0;
  }
  return report;
}

}  // namespace glyph_art
