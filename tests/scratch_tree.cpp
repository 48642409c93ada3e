#include "scratch_tree.h"

#include <stdlib.h>

#include <fstream>
#include <sstream>
#include <stdexcept>
#include <tuple>

#include "build_paths.h"
#include "glyphs/character_glyphs.h"
#include "glyphs/plate_width_table.h"
#include "request/font_kind.h"
#include "stand_in_pictures.h"

namespace fs = std::filesystem;

scratch_dir::scratch_dir() {
  std::string pattern = (fs::temp_directory_path() / "glyphrig-XXXXXX").string();
  if (!mkdtemp(pattern.data())) throw std::runtime_error("cannot make a scratch directory");
  path_ = pattern;
}

scratch_dir::~scratch_dir() {
  std::error_code ignored;
  fs::remove_all(path_, ignored);
}

void scratch_dir::write(const std::string& relative, std::string_view content,
                        bool executable) const {
  const fs::path file = path_ / relative;
  fs::create_directories(file.parent_path());
  std::ofstream(file, std::ios::binary) << content;
  if (executable) {
    fs::permissions(file, fs::perms::owner_exec | fs::perms::group_exec | fs::perms::others_exec,
                    fs::perm_options::add);
  }
}

std::string scratch_dir::read(const std::string& relative) const {
  std::ifstream file(path_ / relative, std::ios::binary);
  std::ostringstream content;
  content << file.rdbuf();
  return content.str();
}

bool scratch_dir::exists(const std::string& relative) const { return fs::exists(path_ / relative); }

current_dir_in::current_dir_in(const fs::path& path) : previous_(fs::current_path()) {
  fs::current_path(path);
}

current_dir_in::~current_dir_in() { fs::current_path(previous_); }

void lay_out_bare_tree(const fs::path& root) {
  constexpr int kHeight = 4;
  // Every byte of the screen and street fonts and every character beyond the code page,
  // one to three pixels wide; the plate font as the real one: only the bytes of the width
  // table, that wide.
  const std::string glyphs[] = {blank_png(1, kHeight), blank_png(2, kHeight),
                                blank_png(3, kHeight)};
  for (const glyphrig::typeface& face : glyphrig::kTypefaces) {
    fs::create_directories(root / face.folder);
    const auto write = [&](glyphrig::glyph_code glyph, const std::string& png) {
      std::string name;
      glyphrig::append_glyph_picture(name, face.folder, glyph);
      std::ofstream(root / name, std::ios::binary) << png;
    };
    for (glyphrig::glyph_code byte = 0; byte < 256; ++byte) {
      if (!face.plate_widths) {
        write(byte, glyphs[byte % 3]);
      } else if (const int32_t width = glyphrig::plate_width_table[byte]) {
        write(byte, blank_png(width, kHeight));
      }
    }
    if (!face.beyond_code_page) continue;
    for (const char32_t character : glyphrig::characters_beyond_code_page()) {
      write(character, glyphs[character % 3]);
    }
  }
  // The plate's end pieces wider than 101 pixels and its middle wider than 113; a sign with
  // 3 pixels above and below its line, and so beside it: a line up to 54 pixels fits.
  const std::tuple<const char*, int, int> backgrounds[] = {
      {"street/background_street.png", 60, kHeight + 6},
      {"street/background_left.png", 5, kHeight + 6},
      {"street/background_middle.png", 1, kHeight + 6},
      {"street/background_right.png", 5, kHeight + 6},
      {"car/background_car.png", 70, kHeight},
      {"car/background_left.png", 110, kHeight},
      {"car/background_middle.png", 120, kHeight},
      {"car/background_right.png", 110, kHeight}};
  for (const auto& [background, width, height] : backgrounds) {
    std::ofstream(root / "alphabet" / background, std::ios::binary) << blank_png(width, height);
  }
}

std::string recording_tool(std::string_view name, std::string_view before) {
  return "#!/bin/sh\n" + std::string(before) + "exec '" + glyphrig::build_paths::stand_in_tool() +
         "' '" + std::string(name) + "' \"$@\"\n";
}

void lay_out_recording_tree(const scratch_dir& dir) {
  lay_out_bare_tree(dir.path());
  dir.write("imagemagick/convert.exe", recording_tool("convert"), true);
  dir.write("imagemagick/composite.exe", recording_tool("composite"), true);
  dir.write("alphabet/remove_temp.sh", recording_tool("remove_temp"));
}
