// Feeds arbitrary bytes to one whole run as its standard input. The command
// runner only records: every line must have a shape the program can make, and
// a run whose input ended before the last answer must have drawn nothing.

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

#include "command_shapes.h"
#include "dialogue/run_flow.h"
#include "scratch_tree.h"
#include "stand_in_pictures.h"

namespace {

[[noreturn]] void fail(std::string_view what, std::string_view detail) {
  std::fprintf(stderr, "glyphrig_fuzz: %.*s: %.*s\n", static_cast<int>(what.size()), what.data(),
               static_cast<int>(detail.size()), detail.data());
  std::abort();
}

// The runs happen in a scratch tree, but the corpus folders and files named on
// the command line, and the crash reports, belong where the fuzzer was
// started: relative paths are made absolute before the fuzzer reads them.
void keep_paths_where_started(int& argc, char**& argv) {
  static std::vector<std::string> words;
  static std::vector<char*> pointers;
  const std::filesystem::path started = std::filesystem::current_path();
  bool has_artifact_prefix = false;
  for (int i = 0; i < argc; ++i) {
    const std::string word = argv[i];
    has_artifact_prefix |= word.starts_with("-artifact_prefix=");
    const bool is_path = i > 0 && !word.starts_with("-");
    words.push_back(is_path ? (started / word).string() : word);
  }
  if (!has_artifact_prefix) words.push_back("-artifact_prefix=" + (started / "").string());
  for (std::string& word : words) pointers.push_back(word.data());
  pointers.push_back(nullptr);
  argc = static_cast<int>(words.size());
  argv = pointers.data();
}

struct checked_run {
  int status = -1;
  std::string output;
  bool drew = false;      // ran a command other than the screen clear and the colour check
  bool stripped = false;  // ran the strip command
};

// One whole run on `input`, each command checked as the program hands it over.
checked_run run_checked(std::string_view input) {
  std::istringstream in{std::string(input)};
  std::ostringstream out;
  checked_run run;
  const glyphrig::command_runner record = [&](const std::string& command,
                                              glyphrig::tool_output output) {
    if (!is_program_command(command)) fail("a command of no known shape", command);
    // The colour check, the one command whose output is hidden, only asks.
    if (command != "cls" && output == glyphrig::tool_output::shown) run.drew = true;
    if (command.ends_with(" +append +repage result.png")) run.stripped = true;
    // The tools draw the pictures the run checks, of their sizes.
    draw_as_image_tools(command);
    return glyphrig::command_end::succeeded;
  };
  run.status = glyphrig::run_glyphrig(in, out, record, [](std::chrono::milliseconds) {});
  run.output = out.str();
  return run;
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
  keep_paths_where_started(*argc, *argv);
  // One bare tree for the whole session; removed when the fuzzer exits.
  static scratch_dir tree;
  lay_out_bare_tree(tree.path());
  std::filesystem::current_path(tree.path());
  // Were the program to stop at its look at the tree, every input would test
  // only that: a plain dialogue has to get all the way here.
  const checked_run plain = run_checked("1\n10\nGo now\n");
  if (!plain.stripped || !plain.output.ends_with("done\n")) {
    fail("the scratch tree lacks something the program looks for; it wrote", plain.output);
  }
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const checked_run run = run_checked({reinterpret_cast<const char*>(data), size});
  if (run.status == 0 && !run.output.ends_with("done\n")) {
    fail("a finished run not ending in", "done");
  }
  // With every tool at hand, a run that drew ends with status 1 only when it
  // refused a plate too wide, or when its line had nothing to draw (empty, or
  // only characters without a picture): then no picture is left.
  const bool refused = run.output.find("Please retry with shorter text!") != std::string::npos;
  std::error_code ignored;
  const bool no_picture =
      !run.output.ends_with("done\n") && !std::filesystem::exists("result.png", ignored);
  if (run.status == 1 && run.drew && !refused && !no_picture) {
    fail("a run that drew ended with 1, yet", "it neither refused nor left no picture");
  }
  if (run.status != 0 && run.status != 1) {
    fail("an exit status other than 0 or 1", std::to_string(run.status));
  }
  return 0;
}
