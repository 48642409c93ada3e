#include "stand_in_pictures.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstdlib>
#include <fstream>
#include <optional>

namespace {

struct size {
  int width = 0;
  int height = 0;
};

void put32(std::string& out, uint32_t value) {
  for (int shift = 24; shift >= 0; shift -= 8) out += static_cast<char>(value >> shift & 0xff);
}

uint32_t crc32(std::string_view bytes) {
  static const auto table = [] {
    std::array<uint32_t, 256> t{};
    for (uint32_t n = 0; n < 256; ++n) {
      uint32_t c = n;
      for (int k = 0; k < 8; ++k) c = c & 1 ? 0xedb88320u ^ (c >> 1) : c >> 1;
      t[n] = c;
    }
    return t;
  }();
  uint32_t c = 0xffffffffu;
  for (const char b : bytes) c = table[(c ^ static_cast<unsigned char>(b)) & 0xff] ^ (c >> 8);
  return c ^ 0xffffffffu;
}

void put_chunk(std::string& out, std::string_view type, std::string_view data) {
  put32(out, static_cast<uint32_t>(data.size()));
  const std::string typed = std::string(type) + std::string(data);
  out += typed;
  put32(out, crc32(typed));
}

// A zlib stream of stored (uncompressed) deflate blocks.
std::string stored_zlib(std::string_view raw) {
  std::string out = "\x78\x01";
  uint32_t a = 1, b = 0;
  for (const char c : raw) {
    a = (a + static_cast<unsigned char>(c)) % 65521;
    b = (b + a) % 65521;
  }
  size_t at = 0;
  do {
    const size_t n = std::min<size_t>(raw.size() - at, 65535);
    out += static_cast<char>(at + n == raw.size());
    for (const size_t v : {n, ~n & 0xffff}) {
      out += static_cast<char>(v & 0xff);
      out += static_cast<char>(v >> 8 & 0xff);
    }
    out.append(raw.substr(at, n));
    at += n;
  } while (at < raw.size());
  put32(out, b << 16 | a);
  return out;
}

// The size of a whole PNG; ImageMagick leaves out a picture cut short.
std::optional<size> size_of(const std::string& path) {
  std::ifstream file(path, std::ios::binary);
  char head[24];
  char end[12];
  if (!file.read(head, sizeof head) || std::string_view(head + 12, 4) != "IHDR" ||
      !file.seekg(-static_cast<int>(sizeof end), std::ios::end) || !file.read(end, sizeof end) ||
      std::string_view(end + 4, 4) != "IEND") {
    return {};
  }
  const auto at = [&](int i) {
    return static_cast<int>(
        static_cast<unsigned char>(head[i]) << 24 | static_cast<unsigned char>(head[i + 1]) << 16 |
        static_cast<unsigned char>(head[i + 2]) << 8 | static_cast<unsigned char>(head[i + 3]));
  };
  return size{at(16), at(20)};
}

}  // namespace

std::string blank_png(int width, int height) {
  std::string png = "\x89PNG\r\n\x1a\n";
  std::string header;
  put32(header, width);
  put32(header, height);
  header += std::string("\x08\x00\x00\x00\x00", 5);  // 8-bit grey, no interlace
  put_chunk(png, "IHDR", header);
  // Each row: filter type 0, then one byte a pixel.
  put_chunk(png, "IDAT", stored_zlib(std::string(static_cast<size_t>(width + 1) * height, '\0')));
  put_chunk(png, "IEND", "");
  return png;
}

void draw_as(std::string_view tool, std::vector<std::string> arguments) {
  if (!arguments.empty() && arguments.front() == "composite") {
    tool = "composite";
    arguments.erase(arguments.begin());
  }
  if (arguments.size() < 2) return;
  const std::string& output = arguments.back();
  std::optional<size> made;
  if (tool == "composite") {
    // The overlay and the background, before the output.
    if (arguments.size() >= 3 && size_of(arguments.end()[-3])) made = size_of(arguments.end()[-2]);
  } else {
    std::vector<size> inputs;
    for (auto a = arguments.begin(); a + 1 != arguments.end(); ++a) {
      if (const auto s = a->ends_with(".png") ? size_of(*a) : std::nullopt) inputs.push_back(*s);
    }
    const auto has = [&](std::string_view word) {
      return std::find(arguments.begin(), arguments.end(), word);
    };
    if (!inputs.empty()) made = inputs.front();
    if (made && has("+append") != arguments.end()) {
      made->width = 0;
      for (const size s : inputs) {
        made->width += s.width;
        made->height = std::max(made->height, s.height);
      }
    } else if (const auto crop = has("-crop");
               made && crop != arguments.end() && crop + 1 != arguments.end()) {
      made->width -= std::abs(std::atoi(crop[1].c_str()));
    } else if (const auto sample = has("-sample");
               made && sample != arguments.end() && sample + 1 != arguments.end()) {
      // WxH!, as the program writes it.
      made->width = std::atoi(sample[1].c_str());
      made->height = std::atoi(sample[1].c_str() + sample[1].find('x') + 1);
    }
  }
  if (!made || made->width <= 0 || made->height <= 0) return;
  std::ofstream(output, std::ios::binary) << blank_png(made->width, made->height);
}

void draw_as_image_tools(const std::string& command_line) {
  std::vector<std::string> words;
  std::string word;
  for (const char c : command_line + ' ') {
    if (c != ' ') {
      word += c == '\\' ? '/' : c;
    } else if (!word.empty()) {
      words.push_back(std::move(word));
      word.clear();
    }
  }
  if (words.empty()) return;
  std::string tool = words.front().substr(words.front().rfind('/') + 1);
  if (tool.ends_with(".exe")) tool.resize(tool.size() - 4);
  if (tool != "convert" && tool != "composite") return;
  draw_as(tool, std::vector<std::string>(words.begin() + 1, words.end()));
}
