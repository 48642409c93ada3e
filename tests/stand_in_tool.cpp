// Stands in for ImageMagick's convert and composite in the tests' working
// trees, on Linux and under Wine: appends one line to calls.log in the working
// directory, the tool's name followed by each argument it got in brackets,
// exactly as the system split them; then writes the picture that the tool
// would write, of its size (stand_in_pictures.h). On Linux the tree's script
// hands the name over as the first argument; for Windows one program is built
// per tool, its name in TOOL_NAME.
#include <cstdio>
#include <string>
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
  draw_as(name, std::vector<std::string>(argv + first, argv + argc));
  return 0;
}
