#include <fcntl.h>
#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdlib>
#include <sstream>

#include "imaging/system_command.h"
#include "scratch_tree.h"

namespace glyphrig {
namespace {

// Sets PATH for one test and puts the old one back.
class path_set_to {
 public:
  explicit path_set_to(const std::string& value) : previous_(std::getenv("PATH")) {
    setenv("PATH", value.c_str(), 1);
  }
  ~path_set_to() { setenv("PATH", previous_.c_str(), 1); }

 private:
  std::string previous_;
};

class SystemCommand : public ::testing::Test {
 protected:
  // Runs one line in the scratch tree, with PATH holding only its bin/.
  std::string run(const std::string& line) {
    path_set_to path((dir_.path() / "bin").string());
    std::ostringstream console;
    ended_ = run_system_command(line, tool_output::shown, console, errors_);
    EXPECT_EQ(console.str(), "");
    return dir_.read("calls.log");
  }

  scratch_dir dir_;
  current_dir_in cwd_{dir_.path()};
  std::ostringstream errors_;
  command_end ended_ = command_end::not_started;
};

struct launch_case {
  const char* name;
  std::vector<std::pair<std::string, std::string>> files;  // executable files to lay out
  std::string line;
  std::string calls;
  std::string errors;
};

TEST_F(SystemCommand, FindsEachProgramTheWayTheWorkingTreeNamesIt) {
  const std::string im = recording_tool("local");
  const std::string missing_tool =
      "glyphrig: cannot run \"imagemagick/convert\": not found; install ImageMagick (Debian: "
      "apt-get install imagemagick)\n";
  const launch_case cases[] = {
      {"the tool in the tree, backslashes as separators",
       {{"imagemagick/convert.exe", im}},
       "imagemagick\\convert.exe   alphabet\\car\\background_right.png  -crop +0+0 x.png",
       "local [alphabet/car/background_right.png] [-crop] [+0+0] [x.png]\n",
       ""},
      {"the tool without its .exe",
       {{"imagemagick/composite", im}},
       "imagemagick\\composite.exe -gravity center a.png b.png a.png",
       "local [-gravity] [center] [a.png] [b.png] [a.png]\n",
       ""},
      {"the system's tool",
       {{"bin/convert", recording_tool("system")}},
       "imagemagick\\convert.exe  +append +repage result.png",
       "system [+append] [+repage] [result.png]\n",
       ""},
      // There convert is ImageMagick 7's legacy name, which warns on every call.
      {"the system's magick before the system's convert",
       {{"bin/convert", recording_tool("legacy")}, {"bin/magick", recording_tool("magick")}},
       "imagemagick\\convert.exe a.png r.png",
       "magick [a.png] [r.png]\n",
       ""},
      {"the tree's tool before the system's magick",
       {{"imagemagick/composite", im}, {"bin/magick", recording_tool("magick")}},
       "imagemagick\\composite.exe a.png r.png",
       "local [a.png] [r.png]\n",
       ""},
      {"ImageMagick 7 as composite",
       {{"bin/magick", recording_tool("magick")}},
       "imagemagick\\composite.exe -gravity center r.png",
       "magick [composite] [-gravity] [center] [r.png]\n",
       ""},
      // "magick convert" would warn on every call.
      {"ImageMagick 7 as convert",
       {{"bin/magick", recording_tool("magick")}},
       "imagemagick\\convert.exe a.png  +append +repage r.png",
       "magick [a.png] [+append] [+repage] [r.png]\n",
       ""},
      {"ImageMagick 7 in the tree before the system's tool",
       {{"imagemagick/magick.exe", recording_tool("tree-magick")},
        {"bin/convert", recording_tool("system")}},
       "imagemagick\\convert.exe a.png r.png",
       "tree-magick [a.png] [r.png]\n",
       ""},
      {"ImageMagick 7 in the tree before the legacy name beside it",
       {{"imagemagick/magick", recording_tool("tree-magick")},
        {"imagemagick/composite", recording_tool("legacy")}},
       "imagemagick\\composite.exe -gravity center a.png r.png",
       "tree-magick [composite] [-gravity] [center] [a.png] [r.png]\n",
       ""},
      {"no tool anywhere", {}, "imagemagick\\convert.exe a.png b.png", "", missing_tool},
      {"the script beside the .bat",
       {{"alphabet/remove_temp.sh", recording_tool("script")}},
       "alphabet\\remove_temp.bat",
       "script\n",
       ""},
      {"no script",
       {},
       "alphabet\\remove_temp.bat",
       "",
       "glyphrig: cannot run \"alphabet/remove_temp.sh\": not found; start glyphrig in its "
       "working tree, where alphabet/ holds it\n"},
      {"nothing to run", {}, "   ", "", ""},
  };
  for (const auto& c : cases) {
    dir_.write("bin/.keep", "");
    for (const auto& [path, content] : c.files) dir_.write(path, content, true);
    EXPECT_EQ(run(c.line), c.calls) << c.name;
    EXPECT_EQ(errors_.str(), c.errors) << c.name;
    EXPECT_EQ(ended_ != command_end::not_started, c.errors.empty()) << c.name;
    std::filesystem::remove_all(dir_.path() / "bin");
    std::filesystem::remove_all(dir_.path() / "imagemagick");
    std::filesystem::remove_all(dir_.path() / "alphabet");
    std::filesystem::remove(dir_.path() / "calls.log");
    errors_.str("");
  }
}

TEST_F(SystemCommand, HandsEveryWordToTheToolVerbatimWithoutAShell) {
  dir_.write("imagemagick/convert.exe", recording_tool("convert"), true);
  const std::string hostile[] = {
      "black,x;touch${IFS}pwned", "black,$(touch${IFS}pwned)",  "black,`touch${IFS}pwned`",
      "black,x|touch${IFS}pwned", "black,x&&touch${IFS}pwned&", "black,x>pwned",
      "black,'\"x\"'*?~%^!",
  };
  for (const std::string& word : hostile) {
    const std::string line = "imagemagick\\convert.exe result.png +level-colors " + word + " r.png";
    EXPECT_EQ(run(line), "convert [result.png] [+level-colors] [" + word + "] [r.png]\n");
    EXPECT_FALSE(dir_.exists("pwned")) << word;
    std::filesystem::remove(dir_.path() / "calls.log");
  }
}

TEST_F(SystemCommand, WaitsForTheProgramAndTellsHowItEnded) {
  const std::pair<const char*, command_end> endings[] = {
      {"exit 0", command_end::succeeded},
      {"exit 3", command_end::failed},
      {"kill -KILL $$", command_end::failed},
  };
  for (const auto& [how, ended] : endings) {
    dir_.write("imagemagick/convert.exe",
               "#!/bin/sh\necho finished > calls.log; " + std::string(how) + "\n", true);
    EXPECT_EQ(run("imagemagick\\convert.exe"), "finished\n") << how;
    EXPECT_EQ(ended_, ended) << how;
  }
}

TEST_F(SystemCommand, SaysWhyAProgramCouldNotStart) {
  dir_.write("imagemagick/convert.exe", "no interpreter line", true);
  run("imagemagick\\convert.exe a");
  EXPECT_EQ(errors_.str(), "glyphrig: cannot run \"imagemagick/convert.exe\": Exec format error\n");
}

// The console text of "cls" with standard output swapped for `fd`.
std::string cls_with_standard_output(int fd) {
  const int saved = dup(STDOUT_FILENO);
  dup2(fd, STDOUT_FILENO);
  std::ostringstream console, errors;
  EXPECT_EQ(run_system_command("cls", tool_output::shown, console, errors), command_end::succeeded);
  dup2(saved, STDOUT_FILENO);
  close(saved);
  EXPECT_EQ(errors.str(), "");
  return console.str();
}

TEST(SystemCommandCls, ClearsOnlyATerminal) {
  const int master = posix_openpt(O_RDWR | O_NOCTTY);
  ASSERT_GE(master, 0);
  ASSERT_EQ(grantpt(master), 0);
  ASSERT_EQ(unlockpt(master), 0);
  const int terminal = open(ptsname(master), O_RDWR | O_NOCTTY);
  ASSERT_GE(terminal, 0);
  EXPECT_EQ(cls_with_standard_output(terminal), "\x1b[H\x1b[2J\x1b[3J");
  int pipe_ends[2];
  ASSERT_EQ(pipe(pipe_ends), 0);
  EXPECT_EQ(cls_with_standard_output(pipe_ends[1]), "");
  for (const int fd : {terminal, master, pipe_ends[0], pipe_ends[1]}) close(fd);
}

}  // namespace

}  // namespace glyphrig
