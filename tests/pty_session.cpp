#include "pty_session.h"

#include <poll.h>
#include <pty.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <stdexcept>

pty_session::pty_session(const std::string& program, const std::filesystem::path& working_dir) {
  pid_ = forkpty(&terminal_, nullptr, nullptr, nullptr);
  if (pid_ < 0) throw std::runtime_error("cannot open a pseudo-terminal");
  if (pid_ == 0) {
    if (chdir(working_dir.c_str()) != 0) _exit(126);
    execl(program.c_str(), program.c_str(), static_cast<char*>(nullptr));
    _exit(127);
  }
}

pty_session::~pty_session() {
  if (pid_ > 0) {
    kill(pid_, SIGKILL);
    waitpid(pid_, nullptr, 0);
  }
  if (terminal_ >= 0) close(terminal_);
}

bool pty_session::read_some(std::chrono::steady_clock::time_point deadline) {
  const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
      deadline - std::chrono::steady_clock::now());
  pollfd ready{terminal_, POLLIN, 0};
  if (left.count() <= 0 || poll(&ready, 1, static_cast<int>(left.count())) <= 0) return false;
  char buffer[4096];
  const ssize_t got = read(terminal_, buffer, sizeof buffer);
  // Linux says EIO once the program has closed its side.
  if (got <= 0) return false;
  shown_.append(buffer, static_cast<size_t>(got));
  return true;
}

bool pty_session::wait_for(const std::string& text, std::chrono::milliseconds limit) {
  const auto deadline = std::chrono::steady_clock::now() + limit;
  while (screen().find(text) == std::string::npos) {
    if (!read_some(deadline)) return false;
  }
  return true;
}

void pty_session::type(const std::string& keys) {
  size_t written = 0;
  while (written < keys.size()) {
    const ssize_t n = write(terminal_, keys.data() + written, keys.size() - written);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) throw std::runtime_error("cannot type into the pseudo-terminal");
    written += static_cast<size_t>(n);
  }
}

std::string pty_session::screen() const {
  std::string text = shown_;
  text.erase(std::remove(text.begin(), text.end(), '\r'), text.end());
  return text;
}

int pty_session::finish(std::chrono::milliseconds limit) {
  const auto deadline = std::chrono::steady_clock::now() + limit;
  while (read_some(deadline)) {
  }
  if (std::chrono::steady_clock::now() >= deadline) kill(pid_, SIGKILL);
  int status = 0;
  const pid_t done = waitpid(pid_, &status, 0);
  pid_ = -1;
  return done > 0 && WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}
