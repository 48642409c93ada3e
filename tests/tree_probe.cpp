#include "tree_probe.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <sstream>
#include <string_view>

#include "build_paths.h"

namespace {

std::string quoted(const std::filesystem::path& path) { return "'" + path.string() + "'"; }

}  // namespace

void copy_built_tree(const scratch_dir& dir) {
  namespace fs = std::filesystem;
  fs::copy(glyphrig::build_paths::tree(), dir.path(),
           fs::copy_options::recursive | fs::copy_options::create_hard_links);
  fs::remove(dir.path() / "result.png");
  // A lock of its own: hard links share one, and runs in other copies would
  // wait for each other.
  fs::remove(dir.path() / "alphabet/run.lock");
  dir.write("alphabet/run.lock", "");
}

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

namespace {

// A size as ImageMagick reads it from its policy or environment: a number, then an SI prefix
// in powers of 1,000 (K is 1,000) or, followed by i, of 1,024 (Ki is 1,024), then a unit.
std::optional<long long> imagemagick_size(const std::string& text) {
  char* rest = nullptr;
  double size = std::strtod(text.c_str(), &rest);
  // Like ImageMagick, take what is no number as 0, but "unlimited" as no limit.
  if (rest == text.c_str()) {
    return text.starts_with("unlimited") ? std::nullopt : std::optional(0LL);
  }
  constexpr std::string_view kPrefixes = "kKMGTPE";
  constexpr int kPowers[] = {1, 1, 2, 3, 4, 5, 6};
  const auto prefix = *rest == '\0' ? std::string_view::npos : kPrefixes.find(*rest);
  if (prefix != std::string_view::npos) {
    size *= std::pow(rest[1] == 'i' ? 1024.0 : 1000.0, kPowers[prefix]);
  }
  return std::llround(size);
}

}  // namespace

std::optional<long long> imagemagick_width_limit() {
  std::optional<long long> limit;
  const auto lower_to = [&](std::optional<long long> size) {
    if (size && (!limit || *size < *limit)) limit = size;
  };
  // The environment may lower the policy's limit, never raise it.
  if (const char* env = std::getenv("MAGICK_WIDTH_LIMIT")) lower_to(imagemagick_size(env));
  std::istringstream in(capture("identify -list policy 2>/dev/null"));
  std::string domain;
  std::string name;
  for (std::string line; std::getline(in, line);) {
    line.erase(0, line.find_first_not_of(' '));
    const auto colon = line.find(": ");
    if (colon == std::string::npos) continue;
    const std::string key = line.substr(0, colon);
    std::string value = line.substr(colon + 2);
    value.erase(value.find_last_not_of(' ') + 1);
    if (key == "Policy") domain = value;
    if (key == "name") name = value;
    if (key == "value" && domain == "Resource" && name == "width") {
      lower_to(imagemagick_size(value));
    }
  }
  return limit;
}
