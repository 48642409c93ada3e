// The Windows console hands a program the bytes of its code page, which is
// 850 only on Western European systems, and shows the bytes it is given in
// that code page too. Its wide-character interface does not depend on the
// code page, so a console is read and written through it, as UTF-16, and the
// rest of the program sees UTF-8.

#include <windows.h>

#include <iostream>
#include <streambuf>
#include <string>

#include "dialogue/console_text.h"

namespace glyphrig {
namespace {

bool is_console(HANDLE handle) {
  DWORD mode = 0;
  return GetConsoleMode(handle, &mode) != 0;
}

// The characters typed at the console, as UTF-8.
class console_input : public std::streambuf {
 public:
  explicit console_input(HANDLE console) : console_(console) {}

 protected:
  int_type underflow() override {
    while (gptr() == egptr()) {
      if (ended_) return traits_type::eof();
      wchar_t units[1024];
      DWORD read = 0;
      if (!ReadConsoleW(console_, units, 1024, &read, nullptr) || read == 0) {
        ended_ = true;
        continue;
      }
      // Ctrl+Z typed at the start of a line ends the input, as for every
      // console program that reads through the C runtime.
      if (units[0] == 0x1A && line_start_) {
        ended_ = true;
        continue;
      }
      std::u16string piece;
      for (DWORD i = 0; i < read; ++i) {
        // The console ends each line with CR LF; the readers want LF alone.
        if (units[i] != L'\r') piece += static_cast<char16_t>(units[i]);
      }
      line_start_ = units[read - 1] == L'\n';
      buffer_ = utf16_to_utf8(piece, pending_);
      setg(buffer_.data(), buffer_.data(), buffer_.data() + buffer_.size());
    }
    return traits_type::to_int_type(*gptr());
  }

 private:
  HANDLE console_;
  std::string buffer_;
  char16_t pending_ = 0;
  bool line_start_ = true;
  bool ended_ = false;
};

// Text written as UTF-8, shown on the console as the characters written.
class console_output : public std::streambuf {
 public:
  explicit console_output(HANDLE console) : console_(console) {
    setp(buffer_, buffer_ + sizeof buffer_);
  }
  ~console_output() override { sync(); }

 protected:
  int_type overflow(int_type c) override {
    sync();
    if (!traits_type::eq_int_type(c, traits_type::eof())) {
      *pptr() = traits_type::to_char_type(c);
      pbump(1);
    }
    return traits_type::not_eof(c);
  }

  int sync() override {
    const std::u16string units =
        utf8_to_utf16(std::string_view(pbase(), static_cast<size_t>(pptr() - pbase())), pending_);
    setp(buffer_, buffer_ + sizeof buffer_);
    std::wstring wide(units.begin(), units.end());
    DWORD written = 0;
    return wide.empty() || WriteConsoleW(console_, wide.data(), static_cast<DWORD>(wide.size()),
                                         &written, nullptr)
               ? 0
               : -1;
  }

 private:
  HANDLE console_;
  char buffer_[1024];
  std::string pending_;
};

}  // namespace

typed_glyphs console_text_glyphs(std::string_view typed, const typeface& face) {
  // A pipe or a file from this system is most likely in its console's code
  // page; the console's own input never gets here, as it arrives as UTF-8.
  UINT code_page = GetConsoleCP();
  if (code_page == 0) code_page = GetOEMCP();
  return to_glyphs(typed, face, [code_page](std::string_view bytes) {
    const int size = static_cast<int>(bytes.size());
    const int length = MultiByteToWideChar(code_page, 0, bytes.data(), size, nullptr, 0);
    std::wstring wide(static_cast<size_t>(length), L'\0');
    MultiByteToWideChar(code_page, 0, bytes.data(), size, wide.data(), length);
    char16_t pending = 0;
    std::string utf8 = utf16_to_utf8(std::u16string(wide.begin(), wide.end()), pending);
    if (pending != 0) utf8 += "\xEF\xBF\xBD";  // U+FFFD for a surrogate left unpaired
    return utf8;
  });
}

struct utf8_console::streams {
  std::unique_ptr<console_input> input;
  std::unique_ptr<console_output> output;
  std::streambuf* old_input = nullptr;
  std::streambuf* old_output = nullptr;
};

utf8_console::utf8_console() : streams_(std::make_unique<streams>()) {
  const HANDLE input = GetStdHandle(STD_INPUT_HANDLE);
  if (is_console(input)) {
    streams_->input = std::make_unique<console_input>(input);
    streams_->old_input = std::cin.rdbuf(streams_->input.get());
  }
  const HANDLE output = GetStdHandle(STD_OUTPUT_HANDLE);
  if (is_console(output)) {
    std::cout.flush();
    streams_->output = std::make_unique<console_output>(output);
    streams_->old_output = std::cout.rdbuf(streams_->output.get());
  }
}

utf8_console::~utf8_console() {
  if (streams_->output) {
    std::cout.flush();
    std::cout.rdbuf(streams_->old_output);
  }
  if (streams_->input) std::cin.rdbuf(streams_->old_input);
}

}  // namespace glyphrig
