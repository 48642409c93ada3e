#include "imaging/working_tree.h"

#include <filesystem>
#include <system_error>
#include <vector>

namespace glyphrig {
namespace {

std::vector<std::string_view> backgrounds_for(const render_request& request) {
  switch (request.font_kind) {
    case font_kind::street:
      return {kStreetBackground};
    case font_kind::car:
      if (request.auto_adjust) return {kPlateLeft, kPlateMiddle, kPlateRight};
      return {kFixedPlate};
    default:
      return {};
  }
}

std::string missing(std::string_view path, std::string_view what) {
  return "Missing " + std::string(path) + " (" + std::string(what) +
         "): start glyphrig in the folder unpacked from its archive, which holds alphabet/ and "
         "imagemagick/.";
}

}  // namespace

std::optional<std::string> not_a_working_tree() {
  std::error_code error;
  if (std::filesystem::is_directory("alphabet", error)) return std::nullopt;
  return "There is no alphabet/ folder here: start glyphrig in the folder unpacked from its "
         "archive, or in build/tree after a build.";
}

std::optional<std::string> missing_tree_part(const render_request& request) {
  std::error_code error;
  const std::string_view folder = font_folder(request.font_kind);
  if (!std::filesystem::is_directory(folder, error)) {
    return missing(folder, "the glyph pictures of this font");
  }
  for (std::string_view background : backgrounds_for(request)) {
    if (!std::filesystem::is_regular_file(background, error)) {
      return missing(background, "a background picture");
    }
  }
  return std::nullopt;
}

void remove_unjoined_pictures(size_t pictures) {
  const std::filesystem::path result(kResultPicture);
  const std::string stem = result.stem().string() + "-";
  const std::string extension = result.extension().string();
  std::error_code ignored;
  for (size_t n = 0; n < pictures; ++n) {
    std::filesystem::remove(stem + std::to_string(n) + extension, ignored);
  }
}

}  // namespace glyphrig
