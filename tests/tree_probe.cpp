#include "tree_probe.h"

#include <algorithm>
#include <cstdio>
#include <sstream>

namespace {

std::string quoted(const std::filesystem::path& path) { return "'" + path.string() + "'"; }

}  // namespace

int picture::value(int x, int y) const {
  const std::uint8_t* px = at(x, y);
  return std::max({px[0], px[1], px[2]});
}

std::string capture(const std::string& command) {
  std::string out;
  FILE* pipe = popen(command.c_str(), "r");
  if (pipe == nullptr) return out;
  char buffer[65536];
  std::size_t got = 0;
  while ((got = std::fread(buffer, 1, sizeof buffer, pipe)) > 0) out.append(buffer, got);
  pclose(pipe);
  return out;
}

picture_size size_of(const std::filesystem::path& file) {
  std::istringstream in(capture("identify -format '%w %h' " + quoted(file) + " 2>/dev/null"));
  picture_size size;
  in >> size.width >> size.height;
  return size;
}

std::map<std::string, picture_size> sizes_in(const std::filesystem::path& folder) {
  std::istringstream in(
      capture("identify -format '%f %w %h\\n' " + quoted(folder) + "/*.png 2>/dev/null"));
  std::map<std::string, picture_size> sizes;
  std::string name;
  picture_size size;
  while (in >> name >> size.width >> size.height) sizes[name] = size;
  return sizes;
}

picture load_picture(const std::filesystem::path& file) {
  picture pic;
  const picture_size size = size_of(file);
  pic.width = size.width;
  pic.height = size.height;
  const std::string raw = capture("convert " + quoted(file) + " -depth 8 rgba:- 2>/dev/null");
  if (raw.size() != static_cast<std::size_t>(pic.width) * pic.height * 4) return picture{};
  pic.rgba.assign(raw.begin(), raw.end());
  return pic;
}

std::vector<int> glyph_bytes(const std::map<std::string, picture_size>& sizes) {
  std::vector<int> bytes;
  for (const auto& [name, size] : sizes) {
    const auto dot = name.find(".png");
    if (dot == 0 || dot == std::string::npos) continue;
    const std::string stem = name.substr(0, dot);
    if (!std::all_of(stem.begin(), stem.end(), [](char c) { return c >= '0' && c <= '9'; })) {
      continue;
    }
    bytes.push_back(std::stoi(stem));
  }
  std::sort(bytes.begin(), bytes.end());
  return bytes;
}
