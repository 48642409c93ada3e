// Real runs of the built program in copies of the working tree, with the
// system's ImageMagick, where something goes wrong: the disk fills up at one
// step, a tool is killed halfway, a picture of the tree is cut short, the
// folder cannot be written. Each run must end with status 1, its reason as the
// last line, no "done", and neither result.png nor a plate piece left; a glyph
// picture missing from the tree stops it before any tool runs. And two
// runs started at once in one folder must each draw their whole picture.
#include <gtest/gtest.h>
#include <stdio.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "scratch_tree.h"
#include "tree_probe.h"

namespace glyphrig {
namespace {

namespace fs = std::filesystem;

std::string last_line(std::string said) {
  while (said.ends_with('\n')) said.pop_back();
  return said.substr(said.rfind('\n') + 1);
}

// Stands in for one image tool: counts the calls of both tools, and for the
// one numbered `at`, lets the real tool write no byte (the disk is full, and
// ImageMagick says it cannot write) or, when `killed`, kills it by SIGXFSZ
// once it has written 512 bytes.
std::string failing_tool(const std::string& tool, int at, bool killed) {
  return "#!/bin/sh\n"
         "n=$(($(cat imagemagick/calls 2>/dev/null || echo 0) + 1)); echo $n >imagemagick/calls\n"
         "if [ $n = " +
         std::to_string(at) + " ]; then " + (killed ? "ulimit -f 1" : "trap '' XFSZ; ulimit -f 0") +
         "; fi\nexec " + tool + " \"$@\"\n";
}

const std::string kLarge = "1\n10\nGo now\n";
const std::string kSign = "3\nMain St\n";
const std::string kFixedPlate = "4\nGR 26\nn\n";
const std::string kTwoPieces = "4\nAB 12\ny\n";  // 56 px: strip, left, right, joined, plate
const std::string kThreePieces = "4\nWWWWWWWWWWWW\ny\n";  // 264 px: strip, right, left, mid, ...

enum class fault {
  full_disk,   // the disk is full when the tool called `call`-th writes `where`
  killed,      // that tool is killed halfway instead
  cut_short,   // the tree's picture `where` lost its second half
  cut_header,  // ... all but its first 10 bytes
  read_only,   // the folder `where` cannot be written by the user who starts the run
  missing,     // the glyph picture `where` is gone
  older_tree,  // the tree has no pictures named by code point; `where` is the first named
};

struct fault_case {
  const char* name;
  std::string answers;
  fault how;
  std::string where;
  int call = 0;
};

std::string reason(const fault_case& c) {
  switch (c.how) {
    case fault::full_disk:
    case fault::killed:
      return "ImageMagick could not write " + c.where + ": the disk may be full.";
    case fault::cut_short:
    case fault::cut_header:
      return "Damaged " + c.where + " (a " +
             (c.where.find("background") != std::string::npos ? "background" : "glyph") +
             " picture, not a whole PNG): unpack Glyphrig anew from its archive.";
    case fault::missing:
    case fault::older_tree:
      return "Missing " + c.where + " (a glyph picture): unpack Glyphrig anew from its archive.";
    case fault::read_only:
      return (c.where == "." ? "This folder" : "The alphabet/ folder") +
             std::string(
                 " cannot be written, so no picture can be made here: copy or unpack "
                 "Glyphrig into a folder of your own.");
  }
  return "";
}

// Lays the fault out in the tree copy; returns how to start the run.
std::string lay_out(const scratch_dir& dir, const fault_case& c) {
  switch (c.how) {
    case fault::full_disk:
    case fault::killed:
      for (const char* tool : {"convert", "composite"}) {
        dir.write(std::string("imagemagick/") + tool,
                  failing_tool(tool, c.call, c.how == fault::killed), true);
      }
      return "";
    case fault::cut_short:
    case fault::cut_header: {
      const std::string whole = dir.read(c.where);
      fs::remove(dir.path() / c.where);  // a hard link: the built tree keeps its picture
      dir.write(c.where, whole.substr(0, c.how == fault::cut_short ? whole.size() / 2 : 10));
      return "";
    }
    case fault::read_only:
      // Root may write anywhere: it starts the run as nobody, who owns the
      // working directory but for the folder that cannot be written.
      fs::permissions(dir.path(), fs::perms::all);
      fs::permissions(dir.path() / c.where,
                      fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write,
                      fs::perm_options::remove);
      if (geteuid() != 0) return "";
      if (c.where != "." && chown(dir.path().c_str(), 65534, 65534) != 0) return "false && ";
      return "setpriv --reuid=65534 --regid=65534 --clear-groups ";
    case fault::missing:
    case fault::older_tree:
      // Tools that only count their calls: none may run.
      for (const char* tool : {"convert", "composite"}) {
        dir.write(std::string("imagemagick/") + tool, failing_tool(tool, 0, false), true);
      }
      if (c.how == fault::missing) {
        fs::remove(dir.path() / c.where);
        return "";
      }
      std::vector<fs::path> by_code_point;
      for (const auto& file : fs::recursive_directory_iterator(dir.path() / "alphabet")) {
        if (file.path().filename().string().starts_with('u')) by_code_point.push_back(file);
      }
      for (const fs::path& file : by_code_point) fs::remove(file);
      return "";
  }
  return "";
}

TEST(FaultRun, EndsWithItsReasonLastAndLeavesNoPicture) {
  const fault_case cases[] = {
      {"large: full disk at the strip", kLarge, fault::full_disk, "result.png", 1},
      {"large: full disk at the tint", kLarge, fault::full_disk, "result.png", 2},
      {"chat: full disk at the strip", "0\n0\nHi there\n", fault::full_disk, "result.png", 1},
      {"sign: full disk at the strip", kSign, fault::full_disk, "result.png", 1},
      {"sign: full disk at the sign", kSign, fault::full_disk, "result.png", 2},
      {"fixed plate: full disk at the plate", kFixedPlate, fault::full_disk, "result.png", 2},
      {"two pieces: full disk at the strip", kTwoPieces, fault::full_disk, "result.png", 1},
      {"two pieces: full disk at the left", kTwoPieces, fault::full_disk, "alphabet/left.png", 2},
      {"two pieces: full disk at the right", kTwoPieces, fault::full_disk, "alphabet/right.png", 3},
      {"two pieces: full disk at the joining", kTwoPieces, fault::full_disk,
       "alphabet/background.png", 4},
      {"two pieces: full disk at the plate", kTwoPieces, fault::full_disk, "result.png", 5},
      {"three pieces: full disk at the right", kThreePieces, fault::full_disk, "alphabet/right.png",
       2},
      {"three pieces: full disk at the left", kThreePieces, fault::full_disk, "alphabet/left.png",
       3},
      {"three pieces: full disk at the middle", kThreePieces, fault::full_disk, "alphabet/mid.png",
       4},
      {"three pieces: full disk at the joining", kThreePieces, fault::full_disk,
       "alphabet/background.png", 5},
      {"three pieces: full disk at the plate", kThreePieces, fault::full_disk, "result.png", 6},
      {"large: the strip killed halfway", kLarge, fault::killed, "result.png", 1},
      {"three pieces: the plate killed halfway", kThreePieces, fault::killed, "result.png", 6},
      {"sign on a background cut short", kSign, fault::cut_short,
       "alphabet/street/background_street.png"},
      {"fitted plate on a left piece cut short", kTwoPieces, fault::cut_short,
       "alphabet/car/background_left.png"},
      {"large with a glyph cut short", kLarge, fault::cut_short, "alphabet/large/71.png"},
      {"plate with a glyph cut in its header", kFixedPlate, fault::cut_header,
       "alphabet/car/82.png"},
      {"large with a glyph missing", "1\n10\nABA\n", fault::missing, "alphabet/large/65.png"},
      {"a tree older than the pictures by code point", "2\n3\nМир\n", fault::older_tree,
       "alphabet/menu/u041C.png"},
      {"a working folder that cannot be written", kLarge, fault::read_only, "."},
      {"an alphabet folder that cannot be written", kTwoPieces, fault::read_only, "alphabet"},
  };
  // The runs go side by side: each ends with a pause of three seconds.
  std::vector<std::unique_ptr<scratch_dir>> dirs;
  std::string runs;
  for (const fault_case& c : cases) {
    const scratch_dir& dir = *dirs.emplace_back(std::make_unique<scratch_dir>());
    copy_built_tree(dir);
    // Made before a folder becomes read-only.
    dir.write("answers.txt", c.answers);
    for (const char* file : {"said.txt", "status.txt"}) dir.write(file, "");
    const std::string as = lay_out(dir, c);
    runs += "(cd '" + dir.path().string() + "' && " + as +
            "./glyphrig <answers.txt >said.txt 2>&1; echo $? >status.txt) &\n";
  }
  capture(runs + "wait");
  for (size_t i = 0; i < std::size(cases); ++i) {
    const fault_case& c = cases[i];
    const scratch_dir& dir = *dirs[i];
    if (c.how == fault::read_only) {
      fs::permissions(dir.path() / c.where, fs::perms::owner_write, fs::perm_options::add);
    }
    const std::string said = dir.read("said.txt");
    EXPECT_EQ(dir.read("status.txt"), "1\n") << c.name;
    EXPECT_EQ(last_line(said), reason(c)) << c.name << ":\n" << said;
    EXPECT_EQ(said.find("done"), std::string::npos) << c.name;
    for (const char* left : {"result.png", "alphabet/left.png", "alphabet/mid.png",
                             "alphabet/right.png", "alphabet/background.png"}) {
      EXPECT_FALSE(dir.exists(left)) << c.name << ": " << left << " left behind";
    }
    if (c.how == fault::missing || c.how == fault::older_tree) {
      EXPECT_FALSE(dir.exists("imagemagick/calls")) << c.name << ": a tool ran";
    }
    // Where no picture can be made, nothing is asked.
    if (c.how == fault::read_only) {
      EXPECT_EQ(said, reason(c) + "\n") << c.name;
    }
  }
}

// Reads a run's output up to its line "done" (the run then only pauses), or to its end.
bool says_done(FILE* run) {
  char line[4096];
  while (std::fgets(line, sizeof line, run)) {
    if (std::string(line) == "done\n") return true;
  }
  return false;
}

// Starts a run with the answers of answers-<i>.txt; its output can be read.
FILE* start(const scratch_dir& dir, int i) {
  return popen(
      ("cd '" + dir.path().string() + "' && ./glyphrig <answers-" + std::to_string(i) + ".txt 2>&1")
          .c_str(),
      "r");
}

TEST(OneFolder, TwoRunsAtOnceEachLeaveTheWholePictureOfOne) {
  scratch_dir dir;
  copy_built_tree(dir);
  const std::string answers[] = {kTwoPieces, kThreePieces};
  std::vector<FILE*> runs;
  for (int i = 0; i < 2; ++i) {
    dir.write("answers-" + std::to_string(i) + ".txt", answers[i]);
    ASSERT_TRUE(says_done(runs.emplace_back(start(dir, i))));
    fs::rename(dir.path() / "result.png", dir.path() / ("alone-" + std::to_string(i) + ".png"));
  }
  for (int pair = 0; pair < 10; ++pair) {
    for (int i = 0; i < 2; ++i) runs.push_back(start(dir, i));
    EXPECT_TRUE(says_done(runs.end()[-2])) << "pair " << pair;
    EXPECT_TRUE(says_done(runs.end()[-1])) << "pair " << pair;
    int alike = 0;
    for (int i = 0; i < 2; ++i) {
      alike += capture("cd '" + dir.path().string() + "' && compare -metric AE result.png alone-" +
                       std::to_string(i) + ".png null: 2>&1") == "0";
    }
    EXPECT_EQ(alike, 1) << "pair " << pair << ": the picture is neither run's";
  }
  for (FILE* run : runs) EXPECT_EQ(pclose(run), 0);
}

}  // namespace
}  // namespace glyphrig
