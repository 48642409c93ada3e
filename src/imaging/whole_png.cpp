#include "imaging/whole_png.h"

#include <algorithm>
#include <cstdio>
#include <memory>
#include <string>

namespace glyphrig {
namespace {

// The signature, and the length and type of the IHDR chunk that must follow it.
constexpr unsigned char kHeadStart[] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1a, '\n',
                                        0,    0,   0,   13,  'I',  'H',  'D',  'R'};
// An empty IEND chunk with its CRC.
constexpr unsigned char kEnd[] = {0, 0, 0, 0, 'I', 'E', 'N', 'D', 0xae, 0x42, 0x60, 0x82};

struct closer {
  void operator()(std::FILE* file) const { std::fclose(file); }
};
using file_ptr = std::unique_ptr<std::FILE, closer>;

// Unbuffered: only the few bytes asked for are read, not a buffer's worth.
file_ptr open_for_reading(std::string_view path) {
  file_ptr file(std::fopen(std::string(path).c_str(), "rb"));
  if (file) std::setvbuf(file.get(), nullptr, _IONBF, 0);
  return file;
}

uint32_t big_endian(const unsigned char* bytes) {
  return uint32_t{bytes[0]} << 24 | uint32_t{bytes[1]} << 16 | uint32_t{bytes[2]} << 8 | bytes[3];
}

std::optional<png_size> read_header(std::FILE* file) {
  unsigned char head[sizeof kHeadStart + 8];
  if (std::fread(head, 1, sizeof head, file) != sizeof head ||
      !std::equal(std::begin(kHeadStart), std::end(kHeadStart), head)) {
    return std::nullopt;
  }
  return png_size{big_endian(head + 16), big_endian(head + 20)};
}

}  // namespace

std::optional<png_size> png_header_size(std::string_view path) {
  const file_ptr file = open_for_reading(path);
  if (!file) return std::nullopt;
  return read_header(file.get());
}

std::optional<png_size> whole_png_size(std::string_view path) {
  const file_ptr file = open_for_reading(path);
  if (!file) return std::nullopt;
  const auto size = read_header(file.get());
  // The end must lie past the whole IHDR chunk (its 13 bytes of data and its CRC).
  constexpr long kHeaderEnd = sizeof kHeadStart + 13 + 4;
  unsigned char end[sizeof kEnd];
  if (!size || std::fseek(file.get(), 0, SEEK_END) != 0 ||
      std::ftell(file.get()) < kHeaderEnd + static_cast<long>(sizeof kEnd) ||
      std::fseek(file.get(), -static_cast<long>(sizeof kEnd), SEEK_END) != 0 ||
      std::fread(end, 1, sizeof end, file.get()) != sizeof end ||
      !std::equal(std::begin(kEnd), std::end(kEnd), end)) {
    return std::nullopt;
  }
  return size;
}

}  // namespace glyphrig
