// The program's own work for one whole run of a 100-character line: the
// dialogue, the glyph pass, every command line and the program's own calls on
// the working tree, with no pauses and tools that only write a blank picture of
// the size a real tool would make (tests/stand_in_pictures.h), so that the
// run's checks pass and it goes all the way. Each command's picture is drawn
// once and then only written again: the tools' reading of their inputs is not
// the program's work, the writing of their outputs is counted against it.

#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <sstream>
#include <string>
#include <string_view>

#include "dialogue/run_flow.h"
#include "scratch_tree.h"
#include "stand_in_pictures.h"

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

void BM_WholeRun(benchmark::State& state, const std::string& answers, int status_due) {
  enter_bare_tree();
  bool stripped = false;
  std::map<std::string, std::string> drawn;  // by command line, the picture it writes
  const command_runner tools = [&](const std::string& command, tool_output) {
    if (command.ends_with(" +append +repage result.png")) stripped = true;
    const std::string picture = command.substr(command.rfind(' ') + 1);
    if (!picture.ends_with(".png")) return command_end::succeeded;
    const auto [at, first] = drawn.try_emplace(command);
    if (!first) {
      std::ofstream(picture, std::ios::binary) << at->second;
    } else {
      draw_as_image_tools(command);
      std::ifstream file(picture, std::ios::binary);
      at->second.assign(std::istreambuf_iterator<char>(file), {});
    }
    return command_end::succeeded;
  };
  const pause_function no_pause = [](std::chrono::milliseconds) {};
  for (auto _ : state) {
    std::istringstream in(answers);
    std::ostringstream out;
    const int status = run_glyphrig(in, out, tools, no_pause);
    benchmark::DoNotOptimize(out);
    if (status != status_due || !stripped) {
      state.SkipWithError("the run ended otherwise than it should: the bare tree lacks something");
      break;
    }
  }
}

BENCHMARK_CAPTURE(BM_WholeRun, large_tinted, "1\n10\n" + kLine + "\n", 0)
    ->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_WholeRun, normal_untinted, "0\n0\n" + kLine + "\n", 0)
    ->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_WholeRun, menu_typed_code, "2\n8\n#33cc99\n" + kLine + "\n", 0)
    ->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_WholeRun, street_sign, "3\n" + kLine + "\n", 0)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_WholeRun, plate_fixed, "4\n" + kLine + "\nn\n", 0)
    ->Unit(benchmark::kMicrosecond);
// A hundred characters are too wide for any fitted plate: the refusal, without
// its pause, and its status 1.
BENCHMARK_CAPTURE(BM_WholeRun, plate_fitted, "4\n" + kLine + "\ny\n", 1)
    ->Unit(benchmark::kMicrosecond);

}  // namespace

}  // namespace glyphrig
