#include "scratch_tree.h"

#include <stdlib.h>

#include <fstream>
#include <sstream>
#include <stdexcept>

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
  for (const char* font : {"normal", "large", "menu", "street", "car"}) {
    fs::create_directories(root / "alphabet" / font);
  }
  for (const char* background :
       {"street/background_street.png", "car/background_car.png", "car/background_left.png",
        "car/background_middle.png", "car/background_right.png"}) {
    std::ofstream(root / "alphabet" / background);
  }
}

std::string recording_tool(std::string_view name) {
  return "#!/bin/sh\n{ printf '%s' '" + std::string(name) +
         "'; for a in \"$@\"; do printf ' [%s]' \"$a\"; done; printf '\\n'; } >> calls.log\n"
         "for a in \"$@\"; do last=$a; done\n"
         "case $last in *.png) : > \"$last\" ;; esac\n";
}

void lay_out_recording_tree(const scratch_dir& dir) {
  lay_out_bare_tree(dir.path());
  dir.write("imagemagick/convert.exe", recording_tool("convert"), true);
  dir.write("imagemagick/composite.exe", recording_tool("composite"), true);
  dir.write("alphabet/remove_temp.sh", recording_tool("remove_temp"));
}
