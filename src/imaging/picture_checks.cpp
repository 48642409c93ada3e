#include "imaging/picture_checks.h"

#include <cstdint>
#include <filesystem>
#include <map>
#include <set>
#include <string_view>
#include <system_error>

#include "glyphs/character_glyphs.h"
#include "glyphs/glyph_pass.h"
#include "imaging/image_commands.h"
#include "imaging/whole_png.h"
#include "imaging/working_tree.h"

namespace glyphrig {
namespace {

std::string could_not_write(std::string_view picture) {
  return "ImageMagick could not write " + std::string(picture) + ": the disk may be full.";
}

std::string size_text(png_size size) {
  return std::to_string(size.width) + " x " + std::to_string(size.height);
}

bool exists(const std::string& path) {
  std::error_code error;
  return std::filesystem::exists(path, error);
}

// Calls `each` once for every glyph of the line, with its picture.
template <typename F>
void for_each_glyph(const render_request& request, F each) {
  std::set<glyph_code> seen;
  for (const glyph_code glyph : request.glyphs) {
    if (!seen.insert(glyph).second) continue;
    std::string picture;
    append_glyph_picture(picture, typeface_of(request.font_kind).folder, glyph);
    each(glyph, picture);
  }
}

struct glyph_widths {
  int64_t total = 0;
  std::optional<std::string> unreadable;  // a glyph picture there without a PNG header
};

glyph_widths measure_glyphs(const render_request& request) {
  std::map<glyph_code, int64_t> width;
  glyph_widths glyphs;
  for_each_glyph(request, [&](glyph_code glyph, const std::string& path) {
    if (const auto size = png_header_size(path)) {
      width[glyph] = size->width;
    } else if (!glyphs.unreadable && exists(path)) {
      glyphs.unreadable = path;
    }
  });
  for (const glyph_code glyph : request.glyphs) {
    if (const auto found = width.find(glyph); found != width.end()) glyphs.total += found->second;
  }
  return glyphs;
}

// The first glyph picture of the line that is there but not whole.
std::optional<std::string> cut_glyph(const render_request& request) {
  std::optional<std::string> cut;
  for_each_glyph(request, [&](glyph_code, const std::string& path) {
    if (!cut && !whole_png_size(path) && exists(path)) cut = path;
  });
  return cut;
}

}  // namespace

std::optional<std::string> strip_fault(const render_request& request) {
  const glyph_widths glyphs = measure_glyphs(request);
  if (glyphs.unreadable) return damaged_tree_part(*glyphs.unreadable, "a glyph picture");
  const std::string result(kResultPicture);
  if (!exists(result)) {
    // Pictures written apart mean that ImageMagick could not join them, and
    // has said why; with no picture to join there was nothing to write.
    if (remove_unjoined_pictures(request.glyphs.size()) || glyphs.total == 0) return "";
    return could_not_write(result);
  }
  const auto made = whole_png_size(result);
  if (!made) return could_not_write(result);
  if (made->width == glyphs.total) return std::nullopt;
  if (const auto cut = cut_glyph(request)) return damaged_tree_part(*cut, "a glyph picture");
  return "ImageMagick made result.png " + std::to_string(made->width) + " pixels wide, not the " +
         std::to_string(glyphs.total) + " of its glyph pictures.";
}

std::optional<std::string> run_image_step(const command_runner& run_command,
                                          const image_step& step) {
  std::optional<png_size> due;
  if (step.size_from) {
    due = whole_png_size(*step.size_from);
  } else {
    std::error_code ignored;
    std::filesystem::remove(step.output, ignored);
  }
  if (run_command(step.command_line, tool_output::shown) == command_end::not_started) return "";
  const auto made = whole_png_size(step.output);
  if (!made) return could_not_write(step.output);
  if (due && *made != *due) {
    return "ImageMagick could not finish " + step.output + ": it came out " + size_text(*made) +
           " pixels, not " + size_text(*due) + ".";
  }
  return std::nullopt;
}

}  // namespace glyphrig
