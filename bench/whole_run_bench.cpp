// The program's own work for one whole run of a 100-character line: the
// dialogue, the glyph pass, every command line and the program's own calls on
// the working tree, with tools that do nothing and no pauses. The tools'
// stand-in writes the empty result.png a real tool would leave, so that the
// run goes all the way; that file's creation is counted against the program.

#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <string_view>

#include "dialogue/run_flow.h"
#include "scratch_tree.h"

namespace glyphrig {
namespace {

constexpr std::string_view kTypedLine =
    "Meet me at the docks at half past nine; bring the van, the maps and 250 dollars, and leave no "
    "trace!";
static_assert(kTypedLine.size() == 100);
const std::string kLine(kTypedLine);

// A bare working tree as the working directory, for as long as the benchmarks run.
void enter_bare_tree() {
  static scratch_dir tree;
  static const bool entered = [] {
    lay_out_bare_tree(tree.path());
    std::filesystem::current_path(tree.path());
    return true;
  }();
  (void)entered;
}

void BM_WholeRun(benchmark::State& state, const std::string& answers) {
  enter_bare_tree();
  bool stripped = false;
  const command_runner tools = [&](const std::string& command) {
    if (command.ends_with(" +append +repage result.png")) stripped = true;
    if (command.ends_with(" result.png")) std::ofstream("result.png");
    return true;
  };
  const pause_function no_pause = [](std::chrono::milliseconds) {};
  for (auto _ : state) {
    std::istringstream in(answers);
    std::ostringstream out;
    const int status = run_glyphrig(in, out, tools, no_pause);
    benchmark::DoNotOptimize(out);
    if (status != 0 || !stripped) {
      state.SkipWithError("the run stopped before its strip: the bare tree lacks something");
      break;
    }
  }
}

BENCHMARK_CAPTURE(BM_WholeRun, large_tinted, "1\n10\n" + kLine + "\n")
    ->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_WholeRun, normal_untinted, "0\n0\n" + kLine + "\n")
    ->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_WholeRun, menu_typed_code, "2\n8\n#33cc99\n" + kLine + "\n")
    ->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_WholeRun, street_sign, "3\n" + kLine + "\n")->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_WholeRun, plate_fixed, "4\n" + kLine + "\nn\n")->Unit(benchmark::kMicrosecond);
// A hundred characters are too wide for any fitted plate: the refusal, without its pause.
BENCHMARK_CAPTURE(BM_WholeRun, plate_fitted, "4\n" + kLine + "\ny\n")
    ->Unit(benchmark::kMicrosecond);

}  // namespace

}  // namespace glyphrig
