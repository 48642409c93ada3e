#include "letters.h"

#include <hb.h>

#include <algorithm>
#include <cmath>
#include <optional>
#include <utility>

#include "glyphs/capitals.h"

namespace glyph_art {
namespace {

hb_unicode_funcs_t* unicode() { return hb_unicode_funcs_get_default(); }

// The character that a face may draw a combining mark as where it lacks the mark itself:
// its spacing form, or the sign it is built from (a comma below is a comma, a dot below
// the dot above).
char32_t spacing_form(char32_t mark) {
  constexpr std::pair<char32_t, char32_t> kSpacing[] = {
      {0x0300, 0x0060}, {0x0301, 0x00B4}, {0x0302, 0x02C6}, {0x0303, 0x02DC}, {0x0304, 0x00AF},
      {0x0306, 0x02D8}, {0x0307, 0x02D9}, {0x0308, 0x00A8}, {0x030A, 0x02DA}, {0x030B, 0x02DD},
      {0x030C, 0x02C7}, {0x0323, 0x02D9}, {0x0326, 0x002C}, {0x0327, 0x00B8}, {0x0328, 0x02DB},
  };
  for (const auto& [combining, spacing] : kSpacing) {
    if (combining == mark) return spacing;
  }
  return 0;
}

bool is_letter(char32_t ch) {
  switch (hb_unicode_general_category(unicode(), ch)) {
    case HB_UNICODE_GENERAL_CATEGORY_UPPERCASE_LETTER:
    case HB_UNICODE_GENERAL_CATEGORY_LOWERCASE_LETTER:
    case HB_UNICODE_GENERAL_CATEGORY_TITLECASE_LETTER:
    case HB_UNICODE_GENERAL_CATEGORY_MODIFIER_LETTER:
    case HB_UNICODE_GENERAL_CATEGORY_OTHER_LETTER:
      return true;
    default:
      return false;
  }
}

// A mark, from the face where it has it, as a combining mark or in its spacing form, else
// from the fallback.
struct mark_drawing {
  font_face* face = nullptr;
  char32_t drawn = 0;
};

mark_drawing mark_from(face_set& faces, char32_t mark) {
  if (faces.main().has(mark)) return {.face = &faces.main(), .drawn = mark};
  if (const char32_t spacing = spacing_form(mark); spacing != 0 && faces.main().has(spacing)) {
    return {.face = &faces.main(), .drawn = spacing};
  }
  if (faces.fallback().has(mark)) return {.face = &faces.fallback(), .drawn = mark};
  return {};
}

// The main face's character for a base letter: its own, or its Latin twin.
std::optional<char32_t> main_base(face_set& faces, char32_t base) {
  if (faces.main().has(base)) return base;
  if (const auto latin = glyphrig::latin_twin(base)) return static_cast<char32_t>(*latin);
  return std::nullopt;
}

// The letter taken apart by its canonical decomposition, as far as it takes to reach a
// letter of the main face (É to E and the acute; Ế to Ê and the acute where the face has
// Ê, else to E, the circumflex and the acute).
std::optional<letter_recipe> composed(face_set& faces, char32_t ch) {
  std::vector<char32_t> marks;
  char32_t base = ch;
  std::optional<char32_t> drawn;
  for (hb_codepoint_t a = 0, b = 0; !drawn && hb_unicode_decompose(unicode(), base, &a, &b);) {
    marks.insert(marks.begin(), b);
    base = a;
    drawn = main_base(faces, base);
  }
  if (!drawn) return std::nullopt;
  for (const char32_t mark : marks) {
    if (mark_from(faces, mark).face == nullptr) return std::nullopt;
  }
  return letter_recipe{.source = letter_source::composed, .drawn = *drawn, .marks = marks};
}

// The main face's letters are drawn as they are, but for the fit.
shaping main_shaping(const letter_fit& fit, const squeeze& flatten) {
  shaping shape;
  shape.x_scale = fit.x_scale;
  shape.flatten = flatten;
  return shape;
}

// A letter from the fallback is condensed and thickened as the face set says; signs,
// shades and lines keep the fallback's own shape.
shaping fallback_shaping(face_set& faces, char32_t ch, const letter_fit& fit) {
  shaping shape = main_shaping(fit, fit.flatten);
  if (is_letter(ch) || hb_unicode_combining_class(unicode(), ch) != 0) {
    shape.x_scale *= faces.fallback_x_scale();
    shape.embolden = faces.fallback_embolden() * fit.x_scale;
  }
  return shape;
}

int ink_right(const placed_coverage& ink) { return ink.left + ink.cover.width; }
int ink_bottom(const placed_coverage& ink) { return ink.top - ink.cover.height; }

// Places each mark on the base letter, as type designers do: marks above are centred over
// the letter and stacked one above the other, marks below hang under it, a cedilla and an
// ogonek hold on to its foot, a horn to its right shoulder, and the caron of L stands
// beside its stem.
void place_marks(FT_Library library, face_set& faces, const letter_recipe& recipe, double outline,
                 const letter_fit& fit, glyph_ink& letter) {
  const double cap = faces.cap_height();
  const int gap = std::max(1, static_cast<int>(std::lround(cap * 0.08)));
  int top = letter.fill.top;
  int bottom = std::min(0, ink_bottom(letter.fill));
  const int left = letter.fill.left;
  const int right = ink_right(letter.fill);
  for (const char32_t mark : recipe.marks) {
    const mark_drawing from = mark_from(faces, mark);
    const auto combining = hb_unicode_combining_class(unicode(), mark);
    const bool above = combining != HB_UNICODE_COMBINING_CLASS_BELOW &&
                       combining != HB_UNICODE_COMBINING_CLASS_ATTACHED_BELOW;
    shaping shape =
        from.face == &faces.main() ? main_shaping(fit, {}) : fallback_shaping(faces, mark, fit);
    shape.y_scale = above ? fit.flatten.above : fit.flatten.below;
    const int space = static_cast<int>(std::lround(gap * shape.y_scale));
    const bool beside_stem = mark == 0x030C && recipe.drawn == 'L' && from.face->has(U'\'');
    const glyph_ink ink =
        render_ink(library, *from.face, beside_stem ? U'\'' : from.drawn, outline, shape);
    if (ink.fill.empty()) continue;
    const int width = ink.fill.cover.width;
    const int height = ink.fill.cover.height;
    int x = (left + right - width) / 2;  // the mark's ink's left column
    int y = 0;                           // its top row, above the baseline
    if (beside_stem) {
      x = left + static_cast<int>(std::lround(faces.main().stem_width() * fit.x_scale)) + gap;
      y = letter.fill.top;
    } else if (combining == HB_UNICODE_COMBINING_CLASS_ATTACHED_ABOVE_RIGHT) {  // the horn
      x = right - width / 4;
      y = letter.fill.top + space;
    } else if (above) {
      y = top + space + height;
      top = y;
    } else if (combining == HB_UNICODE_COMBINING_CLASS_ATTACHED_BELOW) {
      if (mark == 0x0328) x = right - width;  // the ogonek, at the right foot
      y = 1;
      bottom = std::min(bottom, y - height);
    } else {
      y = bottom - space;
      bottom = y - height;
    }
    overlay(letter, ink, x - ink.fill.left, y - ink.fill.top);
  }
}

}  // namespace

letter_recipe recipe_for(face_set& faces, char32_t ch) {
  if (ch == 0) return {};
  if (faces.main().has(ch)) return {.source = letter_source::own, .drawn = ch, .marks = {}};
  if (faces.builds_letters()) {
    if (const auto latin = glyphrig::latin_twin(ch)) {
      return {.source = letter_source::twin, .drawn = static_cast<char32_t>(*latin), .marks = {}};
    }
    if (auto recipe = composed(faces, ch)) return *recipe;
  }
  if (faces.fallback().has(ch)) {
    return {.source = letter_source::fallback, .drawn = ch, .marks = {}};
  }
  return {};
}

glyph_ink draw_letter(FT_Library library, face_set& faces, const letter_recipe& recipe,
                      double outline, const letter_fit& fit) {
  switch (recipe.source) {
    case letter_source::own:
    case letter_source::twin:
      return render_ink(library, faces.main(), recipe.drawn, outline,
                        main_shaping(fit, fit.flatten));
    case letter_source::composed: {
      glyph_ink letter =
          render_ink(library, faces.main(), recipe.drawn, outline, main_shaping(fit, fit.flatten));
      place_marks(library, faces, recipe, outline, fit, letter);
      return letter;
    }
    case letter_source::fallback:
      return render_ink(library, faces.fallback(), recipe.drawn, outline,
                        fallback_shaping(faces, recipe.drawn, fit));
    case letter_source::none:
      break;
  }
  return {};
}

}  // namespace glyph_art
