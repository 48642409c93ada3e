#ifndef GLYPHRIG_IMAGING_WHOLE_PNG_H_
#define GLYPHRIG_IMAGING_WHOLE_PNG_H_

#include <cstdint>
#include <optional>
#include <string_view>

namespace glyphrig {

struct png_size {
  uint32_t width = 0;
  uint32_t height = 0;
  bool operator==(const png_size&) const = default;
};

// The size in a PNG's header: the signature, then the IHDR chunk. None when
// the file cannot be read or does not start so.
std::optional<png_size> png_header_size(std::string_view path);

// The size of a whole PNG: its header, and the IEND chunk at its very end,
// which a tool writes last. None for a file cut short or not a PNG at all.
// No pixels are read.
std::optional<png_size> whole_png_size(std::string_view path);

}  // namespace glyphrig

#endif  // GLYPHRIG_IMAGING_WHOLE_PNG_H_
