#include <signal.h>
#include <time.h>

#include <algorithm>
#include <cerrno>
#include <iterator>

#include "imaging/interrupts.h"

namespace glyphrig {
namespace {

constexpr int kInterrupts[] = {SIGINT, SIGHUP, SIGTERM};

// Shared with the signal handler, so only what it may touch.
volatile sig_atomic_t noted_signal = 0;
volatile sig_atomic_t tool_pid = 0;

sigset_t interrupt_set() {
  sigset_t set;
  sigemptyset(&set);
  for (const int signal : kInterrupts) sigaddset(&set, signal);
  return set;
}

// A tool killed here ends with an unfinished picture, which the run removes;
// if the whole process group was interrupted, the tool has the signal already.
void on_interrupt(int signal) {
  const int saved_errno = errno;
  if (tool_pid > 0) kill(tool_pid, signal);
  if (noted_signal != 0) {
    // The second interrupt: the user will not wait for the clean-up.
    ::signal(signal, SIG_DFL);
    raise(signal);
  }
  noted_signal = signal;
  errno = saved_errno;
}

}  // namespace

void catch_interrupts() {
  noted_signal = 0;
  struct sigaction action {};
  action.sa_handler = on_interrupt;
  action.sa_mask = interrupt_set();
  // Reads and writes of the console go on; the wait for a tool goes on until
  // the tool has ended.
  action.sa_flags = SA_RESTART;
  for (const int signal : kInterrupts) {
    // One that whoever started the program ignores, as nohup does SIGHUP,
    // stays ignored.
    struct sigaction before {};
    sigaction(signal, nullptr, &before);
    if (before.sa_handler != SIG_IGN) sigaction(signal, &action, nullptr);
  }
}

std::optional<int> noted_interrupt() {
  if (noted_signal == 0) return std::nullopt;
  return 128 + noted_signal;
}

interrupts_held_back::interrupts_held_back() {
  const sigset_t set = interrupt_set();
  sigset_t previous;
  sigprocmask(SIG_BLOCK, &set, &previous);
  for (size_t i = 0; i < std::size(kInterrupts); ++i) {
    if (sigismember(&previous, kInterrupts[i])) already_held_ |= 1u << i;
  }
}

interrupts_held_back::~interrupts_held_back() {
  sigset_t set;
  sigemptyset(&set);
  for (size_t i = 0; i < std::size(kInterrupts); ++i) {
    if (!(already_held_ & 1u << i)) sigaddset(&set, kInterrupts[i]);
  }
  sigprocmask(SIG_UNBLOCK, &set, nullptr);
}

watched_tool::watched_tool(const std::function<process_ref()>& start) {
  const interrupts_held_back interrupts;
  process_ = start();
  tool_pid = static_cast<sig_atomic_t>(process_);
}

watched_tool::~watched_tool() {
  const interrupts_held_back interrupts;
  tool_pid = 0;
}

void pause_console(std::chrono::milliseconds duration) {
  // Short slices: an interrupt that comes between the check and the sleep
  // cuts the pause short a slice later.
  constexpr auto kSlice = std::chrono::milliseconds(20);
  const auto end = std::chrono::steady_clock::now() + duration;
  while (!noted_interrupt()) {
    const auto left = end - std::chrono::steady_clock::now();
    if (left <= std::chrono::nanoseconds::zero()) return;
    const auto nap = std::min<std::chrono::nanoseconds>(left, kSlice);
    const timespec wait{0, static_cast<long>(nap.count())};
    nanosleep(&wait, nullptr);
  }
}

}  // namespace glyphrig
