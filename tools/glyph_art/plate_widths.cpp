#include "plate_widths.hpp"

#include <array>

namespace glyph_art {
namespace {

constexpr std::array<int, 256> make_table() {
  std::array<int, 256> w{};
  w[' '] = 13;
  w['!'] = 6;
  w['"'] = 11;
  w['\''] = 5;
  w[','] = 5;
  w['-'] = 11;
  w['.'] = 5;
  w[':'] = 5;
  w['`'] = 5;
  constexpr std::array<int, 10> digits = {12, 7, 12, 12, 15, 12, 12, 14, 12, 12};
  for (int d = 0; d < 10; ++d) w['0' + d] = digits[d];
  for (int c = 'A'; c <= 'Z'; ++c) w[c] = 12;
  w['I'] = 9;
  w['K'] = 14;
  w['M'] = 19;
  w['Q'] = 14;
  w['T'] = 11;
  w['U'] = 13;
  w['V'] = 16;
  w['W'] = 22;
  w['X'] = 15;
  w['Y'] = 15;
  w['Z'] = 15;
  for (int b : {128, 142, 144, 153, 154, 165, 181, 182, 183, 210, 211, 212, 215, 218, 224, 226, 227,
                234, 235}) {
    w[b] = 12;
  }
  w[146] = 19;
  w[173] = 5;
  w[214] = 9;
  w[222] = 9;
  w[216] = 11;
  w[225] = 13;
  return w;
}

constexpr std::array<int, 256> kWidths = make_table();

}  // namespace

int plate_width(unsigned char byte) { return kWidths[byte]; }

}  // namespace glyph_art
