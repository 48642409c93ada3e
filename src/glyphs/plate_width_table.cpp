#include "glyphs/plate_width_table.h"

#include <initializer_list>

namespace {

constexpr std::array<int32_t, 256> make_plate_width_table() {
  std::array<int32_t, 256> width{};
  width[' '] = 13;
  width['!'] = 6;
  width['"'] = 11;
  width['\''] = 5;
  width[','] = 5;
  width['-'] = 11;
  width['.'] = 5;
  constexpr int32_t digits[10] = {12, 7, 12, 12, 15, 12, 12, 14, 12, 12};
  for (int d = 0; d < 10; ++d) width['0' + d] = digits[d];
  width[':'] = 5;
  for (int c = 'A'; c <= 'Z'; ++c) width[c] = 12;
  width['I'] = 9;
  width['K'] = 14;
  width['M'] = 19;
  width['Q'] = 14;
  width['T'] = 11;
  width['U'] = 13;
  width['V'] = 16;
  width['W'] = 22;
  width['X'] = 15;
  width['Y'] = 15;
  width['Z'] = 15;
  width['`'] = 5;
  // Accented capitals and a few signs of the console's code page. 233 is Ú;
  // 218, a box corner there, has always had Ú's width and picture too.
  for (int b : {128, 142, 144, 153, 154, 165, 181, 182, 183, 210,
                211, 212, 215, 218, 224, 226, 227, 233, 234, 235}) {
    width[b] = 12;
  }
  width[146] = 19;
  width[173] = 5;
  width[214] = 9;
  width[222] = 9;
  width[216] = 11;
  width[225] = 13;
  return width;
}

}  // namespace

namespace glyphrig {

const std::array<int32_t, 256> plate_width_table = make_plate_width_table();

}  // namespace glyphrig
