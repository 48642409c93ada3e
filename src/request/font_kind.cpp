#include "request/font_kind.h"

#include <array>

namespace glyphrig {

std::string_view font_folder(font_kind kind) {
  static constexpr std::array<std::string_view, kFontKinds> kFolders = {
      "alphabet/normal/", "alphabet/large/", "alphabet/menu/", "alphabet/street/", "alphabet/car/",
  };
  return kFolders[static_cast<size_t>(kind)];
}

}  // namespace glyphrig
