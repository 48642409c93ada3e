#ifndef GLYPHRIG_TESTS_TREE_PROBE_H_
#define GLYPHRIG_TESTS_TREE_PROBE_H_

#include <cstdint>
#include <filesystem>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "scratch_tree.h"

// Measures pictures with the system's ImageMagick, the same tool the program runs,
// so the tests see the pictures the way the strip and finishing commands do.

struct picture_size {
  int width = 0;
  int height = 0;
  bool operator==(const picture_size&) const = default;
};

// 8-bit RGBA pixels, as ImageMagick decodes the file.
struct picture {
  int width = 0;
  int height = 0;
  std::vector<std::uint8_t> rgba;

  const std::uint8_t* at(int x, int y) const {
    return &rgba[(static_cast<std::size_t>(y) * width + x) * 4];
  }
  std::uint8_t alpha(int x, int y) const { return at(x, y)[3]; }
  // The brightest of red, green and blue.
  int value(int x, int y) const;
};

// Copies the built tree into `dir`, its files hard links but for the lock: a
// run only adds and removes files, and a test that damages one writes it anew.
void copy_built_tree(const scratch_dir& dir);

// Standard output of a shell command; empty when it could not start.
std::string capture(const std::string& command);

picture_size size_of(const std::filesystem::path& file);

// Every PNG of a folder by file name ("65.png", "background_car.png", ...).
std::map<std::string, picture_size> sizes_in(const std::filesystem::path& folder);

picture load_picture(const std::filesystem::path& file);

// Byte values that have a picture named <value>.png in the folder.
std::vector<int> glyph_bytes(const std::map<std::string, picture_size>& sizes);

// The widest picture ImageMagick may make: the width limit of its policy (Debian's "16KP" is
// 16,000 pixels), or the lower MAGICK_WIDTH_LIMIT. No value when neither sets one.
std::optional<long long> imagemagick_width_limit();

#endif  // GLYPHRIG_TESTS_TREE_PROBE_H_
