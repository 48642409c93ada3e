// The glyph pass does the same few steps for every byte of the line, so its
// time grows in proportion to the line: the bytes per second stay level from
// a thousand bytes to a hundred thousand.

#include <benchmark/benchmark.h>

#include <string>

#include "glyphs/glyph_pass.h"

namespace glyphrig {
namespace {

// Mixed text with lower case to fold, digits, signs and code page bytes.
std::string sample_line(size_t length) {
  const std::string text = "Meet me at the docks {9:30}, bring 250 $ and the \x8e\x99 maps! ";
  std::string line;
  while (line.size() < length) line += text;
  line.resize(length);
  return line;
}

void BM_GlyphPass(benchmark::State& state) {
  const auto length = static_cast<size_t>(state.range(0));
  render_request request;
  request.font_kind = font_kind::large;
  const std::string typed = sample_line(length);
  const glyph_line line(typed.begin(), typed.end());
  for (auto _ : state) {
    // The pass folds the line in place, so each round starts from the typed line.
    request.glyphs = line;
    glyph_pass_result result = glyph_pass(request);
    benchmark::DoNotOptimize(result);
  }
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * length));
  state.SetComplexityN(static_cast<int64_t>(length));
}

BENCHMARK(BM_GlyphPass)->RangeMultiplier(10)->Range(1000, 100000)->Complexity(benchmark::oN);

}  // namespace

}  // namespace glyphrig
