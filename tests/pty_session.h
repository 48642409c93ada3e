#ifndef GLYPHRIG_TESTS_PTY_SESSION_H_
#define GLYPHRIG_TESTS_PTY_SESSION_H_

#include <sys/types.h>

#include <chrono>
#include <filesystem>
#include <string>

// A program on a pseudo-terminal of its own, answered the way a person at
// the keyboard would: only once its question is on the screen. The terminal
// keeps its usual settings, so it echoes what is typed and ends every line
// it shows with a carriage return.
class pty_session {
 public:
  pty_session(const std::string& program, const std::filesystem::path& working_dir);
  ~pty_session();
  pty_session(const pty_session&) = delete;
  pty_session& operator=(const pty_session&) = delete;

  // Reads what the program shows until `text` has appeared; false when it
  // does not appear in time or the program closes the terminal first.
  bool wait_for(const std::string& text,
                std::chrono::milliseconds limit = std::chrono::seconds(10));

  // Types `keys` into the terminal.
  void type(const std::string& keys);

  // Everything shown so far, with the terminal's carriage returns taken out.
  std::string screen() const;

  // Reads to the end and returns the program's exit status, or -1.
  int finish(std::chrono::milliseconds limit = std::chrono::seconds(10));

 private:
  bool read_some(std::chrono::steady_clock::time_point deadline);

  pid_t pid_ = -1;
  int terminal_ = -1;
  std::string shown_;
};

#endif  // GLYPHRIG_TESTS_PTY_SESSION_H_
