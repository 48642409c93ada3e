// POSIX systems have no "cls", no backslash paths, no .exe tools and no .bat
// scripts, so the command lines are translated here. No shell is started:
// the words go to the program as they are, and nothing typed by the user is
// ever interpreted.

#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <optional>
#include <ostream>
#include <string_view>
#include <variant>
#include <vector>

#include "imaging/image_commands.h"
#include "imaging/interrupts.h"
#include "imaging/system_command.h"

extern char** environ;

namespace glyphrig {
namespace {

// The command line's words, in which every backslash is a path separator.
std::vector<std::string> split_words(std::string_view line) {
  std::vector<std::string> words = command_words(line);
  for (std::string& word : words) std::replace(word.begin(), word.end(), '\\', '/');
  return words;
}

bool ends_with(std::string_view text, std::string_view tail) {
  return text.size() >= tail.size() && text.substr(text.size() - tail.size()) == tail;
}

bool is_executable_file(const std::string& path) {
  struct stat info {};
  return stat(path.c_str(), &info) == 0 && S_ISREG(info.st_mode) && access(path.c_str(), X_OK) == 0;
}

std::optional<std::string> find_on_path(const std::string& name) {
  const char* path = std::getenv("PATH");
  std::string_view dirs = path ? path : "/usr/local/bin:/usr/bin:/bin";
  while (true) {
    const size_t colon = dirs.find(':');
    // An empty entry means the working directory.
    const std::filesystem::path dir = colon == 0 ? "." : dirs.substr(0, colon);
    const std::string candidate = (dir / name).string();
    if (is_executable_file(candidate)) return candidate;
    if (colon == std::string_view::npos) return std::nullopt;
    dirs.remove_prefix(colon + 1);
  }
}

// What to start for a command's words: the file, and the whole argument list.
struct launch {
  std::string file;
  std::vector<std::string> argv;
};

struct not_found {
  std::string name;  // as the user would look for it
  std::string hint;  // how to get it
};

std::vector<std::string> with_arguments(std::vector<std::string> head,
                                        const std::vector<std::string>& words) {
  head.insert(head.end(), words.begin() + 1, words.end());
  return head;
}

// A .bat script runs as the .sh script beside it. A tool runs from its path
// in the working tree, with or without its .exe, or as ImageMagick 7's magick
// beside it; failing that, the system's tool of the same name, or the
// system's magick. Where ImageMagick 7's magick is there, convert and
// composite beside it are its legacy names, and convert warns on every call
// that it is deprecated: magick goes first.
std::variant<launch, not_found> resolve(const std::vector<std::string>& words) {
  const std::string& program = words.front();
  if (ends_with(program, ".bat")) {
    const std::string script = program.substr(0, program.size() - 4) + ".sh";
    struct stat info {};
    if (stat(script.c_str(), &info) != 0) {
      return not_found{script, "start glyphrig in its working tree, where alphabet/ holds it"};
    }
    return launch{"/bin/sh", with_arguments({"sh", script}, words)};
  }

  const bool is_exe = ends_with(program, ".exe");
  const std::string stem = is_exe ? program.substr(0, program.size() - 4) : program;
  const std::string tool = stem.substr(stem.rfind('/') + 1);
  const bool image_tool = tool == "convert" || tool == "composite";
  // magick is convert when its first word is no tool's name.
  const auto as_magick = [&](const std::string& magick) {
    return launch{magick,
                  with_arguments(tool == "convert" ? std::vector<std::string>{"magick"}
                                                   : std::vector<std::string>{"magick", tool},
                                 words)};
  };

  if (program.find('/') != std::string::npos) {
    const std::string folder = stem.substr(0, stem.size() - tool.size());
    for (const std::string& magick : {folder + "magick.exe", folder + "magick"}) {
      if (image_tool && is_executable_file(magick)) return as_magick(magick);
    }
    for (const std::string& local : {program, stem}) {
      if (is_executable_file(local)) return launch{local, with_arguments({local}, words)};
    }
  }

  if (image_tool) {
    if (auto magick = find_on_path("magick")) return as_magick(*magick);
  }
  if (auto found = find_on_path(tool)) return launch{*found, with_arguments({tool}, words)};
  if (image_tool)
    return not_found{stem, "install ImageMagick (Debian: apt-get install imagemagick)"};
  return not_found{stem, "it is neither in the working tree nor on PATH"};
}

struct ending {
  int error = 0;  // that kept the program from starting
  bool succeeded = false;
};

// Starts the program and waits for it. An interrupt stops it (interrupts.h).
ending start_and_wait(const launch& what, tool_output output) {
  std::vector<char*> argv;
  for (const std::string& arg : what.argv) argv.push_back(const_cast<char*>(arg.c_str()));
  argv.push_back(nullptr);
  posix_spawnattr_t attributes;
  posix_spawnattr_init(&attributes);
  sigset_t none;
  sigemptyset(&none);
  posix_spawnattr_setsigmask(&attributes, &none);
  posix_spawnattr_setflags(&attributes, POSIX_SPAWN_SETSIGMASK);
  posix_spawn_file_actions_t files;
  posix_spawn_file_actions_init(&files);
  if (output == tool_output::hidden) {
    for (const int fd : {STDOUT_FILENO, STDERR_FILENO}) {
      posix_spawn_file_actions_addopen(&files, fd, "/dev/null", O_WRONLY, 0);
    }
  }
  int error = 0;
  pid_t pid = 0;
  {
    const watched_tool tool([&] {
      error = posix_spawn(&pid, what.file.c_str(), &files, &attributes, argv.data(), environ);
      return error == 0 ? static_cast<process_ref>(pid) : kNoProcess;
    });
    // Waits without reaping, so that an interrupt cannot reach another
    // process that took over the id.
    siginfo_t ended;
    while (error == 0 && waitid(P_PID, pid, &ended, WEXITED | WNOWAIT) < 0 && errno == EINTR) {
    }
  }
  posix_spawn_file_actions_destroy(&files);
  posix_spawnattr_destroy(&attributes);
  if (error != 0) return {.error = error};
  int status = 0;
  while (waitpid(pid, &status, 0) < 0 && errno == EINTR) {
  }
  return {.succeeded = WIFEXITED(status) && WEXITSTATUS(status) == 0};
}

}  // namespace

command_end run_system_command(const std::string& command_line, tool_output output,
                               std::ostream& console, std::ostream& errors) {
  if (command_line == "cls") {
    // Home, clear the screen, clear the scroll-back; a file or pipe gets nothing.
    if (isatty(STDOUT_FILENO)) console << "\x1b[H\x1b[2J\x1b[3J" << std::flush;
    return command_end::succeeded;
  }
  const std::vector<std::string> words = split_words(command_line);
  if (words.empty()) return command_end::succeeded;

  console.flush();
  const auto resolved = resolve(words);
  if (const auto* missing = std::get_if<not_found>(&resolved)) {
    errors << "glyphrig: cannot run \"" << missing->name << "\": not found; " << missing->hint
           << '\n'
           << std::flush;
    return command_end::not_started;
  }
  const launch& what = std::get<launch>(resolved);
  const auto [error, succeeded] = start_and_wait(what, output);
  if (error == E2BIG) {
    // Only a long text line makes a long command line.
    errors << "glyphrig: the text is too long to hand to the image tool: its command line of "
           << command_line.size() << " bytes is more than this system accepts\n"
           << std::flush;
  } else if (error != 0) {
    errors << "glyphrig: cannot run \"" << what.argv.front() << "\": " << std::strerror(error)
           << '\n'
           << std::flush;
  }
  if (error != 0) return command_end::not_started;
  return succeeded ? command_end::succeeded : command_end::failed;
}

}  // namespace glyphrig
