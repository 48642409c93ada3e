#include "glyph_folder.h"

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "cp850.h"
#include "glyph_ink.h"
#include "glyphs/capitals.h"
#include "glyphs/character_glyphs.h"
#include "glyphs/plate_width_table.h"
#include "letters.h"
#include "png_file.h"

namespace glyph_art {
namespace {

// The program sizes a fitted plate from its own width table without measuring any
// picture, so each plate picture is drawn exactly as wide as that table says.
int plate_width(unsigned char byte) { return glyphrig::plate_width_table[byte]; }

struct entry {
  glyphrig::glyph_code glyph;
  letter_recipe recipe;
  glyph_ink ink;
};

char32_t character_of(const folder_look& look, glyphrig::glyph_code glyph) {
  // CP850 puts a box corner at 218, but its plate width and neighbours are accented
  // capitals; U acute is the letter a plate can carry there.
  if (look.plate() && glyph == 218) return U'\u00DA';
  const char32_t ch = glyph <= 0xFF ? cp850_to_unicode(static_cast<unsigned char>(glyph)) : glyph;
  // The program folds only a to z; the accented lower-case letters keep their own pictures,
  // so in a capitals-only font those pictures are capitals too.
  return look.face.capitals_only ? glyphrig::drawn_capital(ch) : ch;
}

std::vector<glyphrig::glyph_code> bytes_of(const folder_look& look) {
  std::vector<glyphrig::glyph_code> bytes;
  for (unsigned b = 0; b < 256; ++b) {
    if (!look.plate() || plate_width(static_cast<unsigned char>(b)) > 0) bytes.push_back(b);
  }
  return bytes;
}

// Renders a plate letter condensed just enough to leave a pixel free at either side.
glyph_ink fit_plate_ink(FT_Library library, face_set& faces, const letter_recipe& recipe,
                        int width) {
  const int room = width >= 7 ? width - 2 : width;
  glyph_ink ink = draw_letter(library, faces, recipe, 0.0);
  letter_fit fit;
  for (int attempt = 0; attempt < 20 && ink.fill.cover.width > room; ++attempt) {
    fit.x_scale *= std::min(0.98, static_cast<double>(room) / ink.fill.cover.width);
    ink = draw_letter(library, faces, recipe, 0.0, fit);
  }
  return ink;
}

int top_of(const glyph_ink& ink) {
  int top = ink.fill.empty() ? 0 : ink.fill.top;
  if (!ink.border.empty()) top = std::max(top, ink.border.top);
  return top;
}

int bottom_of(const glyph_ink& ink) {
  int bottom = ink.fill.empty() ? 0 : ink.fill.bottom();
  if (!ink.border.empty()) bottom = std::max(bottom, ink.border.bottom());
  return bottom;
}

// Rendered pictures share one height and one baseline, rows from the top.
struct cell_metrics {
  int height;
  int baseline;
  double cap;  // height of the capitals above the baseline
};

// The glyph's letter as its recipe draws it; a glyph with none draws as a space does.
std::vector<entry> render_entries(const freetype_library& freetype, face_set& faces,
                                  const folder_look& look,
                                  const std::vector<glyphrig::glyph_code>& glyphs,
                                  folder_report& report) {
  const glyph_ink space = render_ink(freetype.get(), faces.main(), U' ', look.outline);
  std::vector<entry> entries;
  for (const glyphrig::glyph_code glyph : glyphs) {
    const letter_recipe recipe = recipe_for(faces, character_of(look, glyph));
    ++report.by_source[static_cast<std::size_t>(recipe.source)];
    glyph_ink ink;
    if (recipe.source == letter_source::none) {
      ink.advance = space.advance;
    } else if (look.plate()) {
      ink = fit_plate_ink(freetype.get(), faces, recipe,
                          plate_width(static_cast<unsigned char>(glyph)));
    } else {
      ink = draw_letter(freetype.get(), faces, recipe, look.outline);
    }
    entries.push_back({.glyph = glyph, .recipe = recipe, .ink = ink});
  }
  return entries;
}

// Tall enough for the highest and the deepest glyph that is drawn whole from a face, so
// nothing is cut. Text laid on a background gets as much room above the capitals as below
// the baseline, so that centring the line centres its capitals.
cell_metrics cell_for(const std::vector<entry>& entries, const folder_look& look, double cap) {
  int above = 0;
  int below = 0;
  for (const entry& e : entries) {
    if (e.recipe.source == letter_source::composed) continue;
    above = std::max(above, top_of(e.ink));
    below = std::max(below, bottom_of(e.ink));
  }
  if (look.face.backdrop == glyphrig::backdrop::none) {
    return {.height = above + below, .baseline = above, .cap = cap};
  }
  const int cap_px = static_cast<int>(std::lround(cap));
  const int margin = std::max(above - cap_px, below);
  return {.height = cap_px + 2 * margin, .baseline = margin + cap_px, .cap = cap};
}

// A composed letter, or a letter beyond the code page, that would reach above or below the
// cell (Vietnamese capitals carry two marks, one above the other; Romanian and Latvian
// letters a comma below) has those marks flattened just enough to fit: the cell is set by
// the letters drawn whole, whose pictures stay as they are, and the letter itself keeps its
// size. Returns whether it had to.
bool fit_into_cell(const freetype_library& freetype, face_set& faces, const folder_look& look,
                   const cell_metrics& cell, entry& e) {
  const int above = cell.baseline;
  const int below = cell.height - cell.baseline;
  letter_fit fit{.x_scale = 1.0, .flatten = {.from_height = cell.cap, .above = 1.0, .below = 1.0}};
  bool flattened = false;
  for (int attempt = 0; e.recipe.source != letter_source::none && attempt < 40; ++attempt) {
    const bool too_high = top_of(e.ink) > above;
    const bool too_deep = bottom_of(e.ink) > below;
    if (!too_high && !too_deep) break;
    if (too_high) fit.flatten.above *= 0.9;
    if (too_deep) fit.flatten.below *= 0.9;
    e.ink = draw_letter(freetype.get(), faces, e.recipe, look.outline, fit);
    flattened = true;
  }
  return flattened;
}

canvas draw_entry(const entry& e, const folder_look& look, const cell_metrics& cell) {
  const glyph_ink& ink = e.ink;
  int origin = 0;
  int width = 0;
  if (look.plate()) {
    width = plate_width(static_cast<unsigned char>(e.glyph));
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
  canvas picture(width, cell.height);
  if (!ink.border.empty()) {
    picture.paint(ink.border.cover, origin + ink.border.left, cell.baseline - ink.border.top,
                  look.border);
  }
  if (!ink.fill.empty()) {
    const double cap_row = cell.baseline - cell.cap;
    picture.paint(
        ink.fill.cover, origin + ink.fill.left, cell.baseline - ink.fill.top,
        [&](int row) { return mix(look.fill_top, look.fill_bottom, (row - cap_row) / cell.cap); });
  }
  return picture;
}

}  // namespace

folder_report write_glyph_folder(const freetype_library& freetype, const folder_look& look,
                                 const std::filesystem::path& alphabet) {
  face_set faces(freetype, look.main, look.fallback, look.pixels, !look.plate());
  folder_report report;
  std::vector<entry> entries = render_entries(freetype, faces, look, bytes_of(look), report);
  if (look.face.beyond_code_page) {
    std::vector<entry> beyond =
        render_entries(freetype, faces, look, glyphrig::characters_beyond_code_page(), report);
    entries.insert(entries.end(), beyond.begin(), beyond.end());
  }
  const std::size_t code_page = look.plate() ? entries.size() : 256;
  const cell_metrics cell =
      cell_for({entries.begin(), entries.begin() + static_cast<std::ptrdiff_t>(code_page)}, look,
               faces.cap_height());
  report.height = cell.height;
  // What the cell was not set by fits into it; a plate's letters are condensed into their
  // widths and keep their height.
  for (std::size_t i = 0; i < entries.size(); ++i) {
    entry& e = entries[i];
    const bool sets_cell = i < code_page && e.recipe.source != letter_source::composed;
    if (!sets_cell && fit_into_cell(freetype, faces, look, cell, e)) ++report.flattened;
  }

  const auto folder = alphabet / look.folder();
  // Start empty: a picture left from an earlier set would name a byte the set no longer has.
  std::filesystem::remove_all(folder);
  std::filesystem::create_directories(folder);
  for (const entry& e : entries) {
    const canvas picture = draw_entry(e, look, cell);
    std::string name;
    glyphrig::append_glyph_picture(name, "", e.glyph);
    const auto file = folder / name;
    write_png(file, picture);
    report.files.push_back(file);
    if (e.glyph >= 'A' && e.glyph <= 'Z') report.capital_width += picture.width() / 26.0;
  }
  return report;
}

}  // namespace glyph_art
