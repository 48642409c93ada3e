// Stands in for ImageMagick's convert and composite in the tests' working
// trees, on Linux and under Wine: appends one line to calls.log in the working
// directory, the tool's name followed by each argument it got in brackets,
// exactly as the system split them; then writes the picture that the tool
// would write, of its size (stand_in_pictures.h). On Linux the tree's script
// hands the name over as the first argument; for Windows one program is built
// per tool, its name in TOOL_NAME.
//
// A tool that is slow to draw, to be interrupted: when the working directory
// holds stand_in_waits_at with a number N, the call that writes the N-th line
// of calls.log leaves half its picture, writes stand_in_waiting and waits to
// be ended.
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <thread>
#include <vector>

#include "stand_in_pictures.h"

int main(int argc, char** argv) {
#ifdef TOOL_NAME
  const std::string name = TOOL_NAME;
  int first = 1;
#else
  if (argc < 2) return 2;
  const std::string name = argv[1];
  int first = 2;
#endif
  // Binary mode: the log holds the arguments byte for byte, with line ends of
  // its own choosing.
  std::FILE* log = std::fopen("calls.log", "ab");
  if (!log) return 3;
  std::fputs(name.c_str(), log);
  for (int i = first; i < argc; ++i) std::fprintf(log, " [%s]", argv[i]);
  std::fputc('\n', log);
  std::fclose(log);
  const std::vector<std::string> arguments(argv + first, argv + argc);
  draw_as(name, arguments);

  int waits_at = 0;
  std::ifstream("stand_in_waits_at") >> waits_at;
  if (waits_at == 0 || arguments.empty()) return 0;
  std::ifstream calls("calls.log", std::ios::binary);
  int call = 0;
  for (std::string line; std::getline(calls, line);) ++call;
  if (call != waits_at) return 0;
  std::error_code ignored;
  const std::string picture = arguments.back();
  std::filesystem::resize_file(picture, std::filesystem::file_size(picture, ignored) / 2, ignored);
  std::ofstream("stand_in_waiting") << "drawing " << picture << '\n';
  std::this_thread::sleep_for(std::chrono::hours(1));
  return 0;
}
