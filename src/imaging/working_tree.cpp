#include "imaging/working_tree.h"

#include <chrono>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <system_error>
#include <vector>

#include "glyphs/character_glyphs.h"
#include "imaging/interrupts.h"
#include "imaging/whole_png.h"

namespace glyphrig {
namespace {

std::vector<std::string_view> backgrounds_for(const render_request& request) {
  switch (typeface_of(request.font_kind).backdrop) {
    case backdrop::street_sign:
      return {kStreetBackground, kSignLeft, kSignMiddle, kSignRight};
    case backdrop::licence_plate:
      if (request.auto_adjust) return {kPlateLeft, kPlateMiddle, kPlateRight};
      return {kFixedPlate};
    case backdrop::none:
      break;
  }
  return {};
}

std::string missing(std::string_view path, std::string_view what) {
  return "Missing " + std::string(path) + " (" + std::string(what) +
         "): start glyphrig in the folder unpacked from its archive, which holds alphabet/ and "
         "imagemagick/.";
}

// Makes and removes a file of its own in the folder; an interrupt meanwhile
// would leave it there.
bool can_write_in(const std::filesystem::path& folder) {
  const interrupts_held_back interrupts;
  // A name that no other run starting at the same moment takes.
  const auto stamp =
      static_cast<std::uintmax_t>(std::chrono::steady_clock::now().time_since_epoch().count()) ^
      reinterpret_cast<std::uintptr_t>(&folder);
  const std::filesystem::path probe = folder / ("glyphrig-" + std::to_string(stamp) + ".tmp");
  if (!std::ofstream(probe, std::ios::binary)) return false;
  std::error_code error;
  return std::filesystem::remove(probe, error);
}

}  // namespace

std::optional<std::string> not_a_working_tree() {
  std::error_code error;
  if (std::filesystem::is_directory("alphabet", error)) return std::nullopt;
  return "There is no alphabet/ folder here: start glyphrig in its own folder, the one that "
         "holds alphabet/ and imagemagick/.";
}

std::optional<std::string> cannot_write_here() {
  constexpr std::string_view kOwnFolder =
      ", so no picture can be made here: copy or unpack Glyphrig into a folder of your own.";
  if (!can_write_in(".")) return "This folder cannot be written" + std::string(kOwnFolder);
  if (!can_write_in("alphabet")) {
    return "The alphabet/ folder cannot be written" + std::string(kOwnFolder);
  }
  return std::nullopt;
}

std::string damaged_tree_part(std::string_view path, std::string_view what) {
  return "Damaged " + std::string(path) + " (" + std::string(what) +
         ", not a whole PNG): unpack Glyphrig anew from its archive.";
}

std::optional<std::string> missing_tree_part(const render_request& request) {
  std::error_code error;
  const std::string_view folder = typeface_of(request.font_kind).folder;
  if (!std::filesystem::is_directory(folder, error)) {
    return missing(folder, "the glyph pictures of this font");
  }
  for (std::string_view background : backgrounds_for(request)) {
    if (!std::filesystem::is_regular_file(background, error)) {
      return missing(background, "a background picture");
    }
    if (!whole_png_size(background)) return damaged_tree_part(background, "a background picture");
  }
  return std::nullopt;
}

std::optional<sign_art> street_sign_art() {
  const auto sign = whole_png_size(kStreetBackground);
  const auto left = whole_png_size(kSignLeft);
  const auto right = whole_png_size(kSignRight);
  if (!sign || !left || !right) return std::nullopt;
  return sign_art{.sign = *sign, .left = *left, .right = *right};
}

std::optional<std::string> missing_glyph_picture(const typeface& face,
                                                 const std::vector<glyph_code>& glyphs) {
  std::error_code error;
  std::string picture;
  for (const glyph_code glyph : glyphs) {
    picture.clear();
    append_glyph_picture(picture, face.folder, glyph);
    if (!std::filesystem::is_regular_file(picture, error)) {
      return "Missing " + picture + " (a glyph picture): unpack Glyphrig anew from its archive.";
    }
  }
  return std::nullopt;
}

bool remove_unjoined_pictures(size_t pictures) {
  const std::filesystem::path result(kResultPicture);
  const std::string stem = result.stem().string() + "-";
  const std::string extension = result.extension().string();
  std::error_code ignored;
  bool any = false;
  for (size_t n = 0; n < pictures; ++n) {
    any |= std::filesystem::remove(stem + std::to_string(n) + extension, ignored);
  }
  return any;
}

}  // namespace glyphrig
