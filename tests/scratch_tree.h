#ifndef GLYPHRIG_TESTS_SCRATCH_TREE_H_
#define GLYPHRIG_TESTS_SCRATCH_TREE_H_

#include <filesystem>
#include <string>
#include <string_view>

// A fresh directory under the system's temporary directory, removed with
// everything in it when the test is done.
class scratch_dir {
 public:
  scratch_dir();
  ~scratch_dir();
  scratch_dir(const scratch_dir&) = delete;
  scratch_dir& operator=(const scratch_dir&) = delete;

  const std::filesystem::path& path() const { return path_; }

  // Writes a file below the directory, making its folders.
  void write(const std::string& relative, std::string_view content, bool executable = false) const;
  std::string read(const std::string& relative) const;
  bool exists(const std::string& relative) const;

 private:
  std::filesystem::path path_;
};

// Makes `path` the working directory until it goes out of scope.
class current_dir_in {
 public:
  explicit current_dir_in(const std::filesystem::path& path);
  ~current_dir_in();
  current_dir_in(const current_dir_in&) = delete;
  current_dir_in& operator=(const current_dir_in&) = delete;

 private:
  std::filesystem::path previous_;
};

// Lays out below `root` the glyph folders and backgrounds that a run reads,
// as small blank pictures (stand_in_pictures.h): a picture for every byte of
// the screen and street fonts, and for the plate font's bytes as wide as the
// plate width table says. Enough for runs whose tools only record their
// command lines and make pictures of the right sizes.
void lay_out_bare_tree(const std::filesystem::path& root);

// A shell script that stands in for a tool: the stand-in tool program
// (stand_in_tool.cpp) appends one line to calls.log in the working directory,
// the given name followed by each argument it got in brackets, and writes the
// picture that the tool would write, of its size. The shell lines `before`
// run first.
std::string recording_tool(std::string_view name, std::string_view before = {});

// A bare tree whose image tools and clean-up script are recording tools.
void lay_out_recording_tree(const scratch_dir& dir);

#endif  // GLYPHRIG_TESTS_SCRATCH_TREE_H_
