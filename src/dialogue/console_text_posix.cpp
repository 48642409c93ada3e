// The C library's converters know both UTF-8, with its rules about overlong
// and surrogate sequences, and code page 850; each character is taken through
// them one at a time so that a byte they refuse can be kept as it is.

#include <iconv.h>

#include <cstdint>
#include <stdexcept>
#include <string_view>

#include "dialogue/console_text.h"

namespace glyphrig {
namespace {

constexpr char kNoSuchCharacter = '?';

class converter {
 public:
  converter(const char* to, const char* from) : handle_(iconv_open(to, from)) {
    if (handle_ == reinterpret_cast<iconv_t>(-1)) {
      throw std::runtime_error(std::string("the C library cannot convert from ") + from + " to " +
                               to);
    }
  }
  ~converter() { iconv_close(handle_); }
  converter(const converter&) = delete;
  converter& operator=(const converter&) = delete;

  // Converts the first character of `in` into `out` and returns how many bytes
  // of `in` it took, or 0 when the converter refuses it; `written` is set to
  // the bytes written to `out`.
  size_t first_character(std::string_view in, char* out, size_t out_size,
                         size_t* written = nullptr) {
    char* in_ptr = const_cast<char*>(in.data());
    size_t in_left = in.size();
    char* out_ptr = out;
    size_t out_left = out_size;
    // The output has room for one character only, so the conversion stops
    // after it; running out of room is the expected way to end.
    iconv(handle_, &in_ptr, &in_left, &out_ptr, &out_left);
    iconv(handle_, nullptr, nullptr, nullptr, nullptr);
    if (written) *written = out_size - out_left;
    return out_left == out_size ? 0 : in.size() - in_left;
  }

 private:
  iconv_t handle_;
};

// The code page 850 byte of one UTF-8 encoded character.
char code_page_byte(std::string_view utf8_character) {
  static converter to_code_page("CP850", "UTF-8");
  char byte = 0;
  return to_code_page.first_character(utf8_character, &byte, 1) ? byte : kNoSuchCharacter;
}

// The length of the valid UTF-8 sequence at the start of `text`, or 0.
size_t utf8_sequence_length(std::string_view text) {
  static converter to_utf32("UTF-32LE", "UTF-8");
  char code_point[4];
  return to_utf32.first_character(text.substr(0, 4), code_point, sizeof code_point);
}

}  // namespace

std::string console_text_bytes(std::string typed) {
  std::string bytes;
  bytes.reserve(typed.size());
  std::string_view rest = typed;
  while (!rest.empty()) {
    if (static_cast<unsigned char>(rest.front()) < 0x80) {
      bytes += rest.front();
      rest.remove_prefix(1);
      continue;
    }
    const size_t length = utf8_sequence_length(rest);
    if (length == 0) {
      bytes += rest.front();
      rest.remove_prefix(1);
      continue;
    }
    bytes += code_page_byte(rest.substr(0, length));
    rest.remove_prefix(length);
  }
  return bytes;
}

std::string console_text_for_screen(std::string_view bytes) {
  static converter to_utf8("UTF-8", "CP850");
  std::string shown;
  for (const char byte : bytes) {
    char character[4];
    size_t written = 0;
    if (static_cast<unsigned char>(byte) >= 0x80 &&
        to_utf8.first_character({&byte, 1}, character, sizeof character, &written)) {
      shown.append(character, written);
    } else {
      shown += byte;
    }
  }
  return shown;
}

}  // namespace glyphrig
