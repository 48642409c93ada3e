#ifndef GLYPHRIG_IMAGING_INTERRUPTS_H_
#define GLYPHRIG_IMAGING_INTERRUPTS_H_

#include <chrono>
#include <cstdint>
#include <functional>
#include <optional>

// Interrupts: Ctrl+C, a closed terminal or console window, SIGTERM or SIGHUP
// on POSIX systems, Ctrl+Break on Windows. Until catch_interrupts(), an
// interrupt ends the program at once, as the system does. From then on, until
// the program ends, the first one stops the tool that runs and is noted, so
// that the run removes what it drew and ends itself; a second one ends the
// program at once.
namespace glyphrig {

// Starts catching interrupts, with none noted yet.
void catch_interrupts();

// Once an interrupt has come, the status to end the run with: 128 plus the
// signal's number on POSIX systems, STATUS_CONTROL_C_EXIT on Windows.
std::optional<int> noted_interrupt();

// A process: its id on POSIX systems, its handle on Windows.
using process_ref = std::intptr_t;
inline constexpr process_ref kNoProcess = 0;

// A tool that an interrupt stops while this lives. `start` starts it and
// gives its process, or kNoProcess when it could not start; interrupts are
// held back meanwhile, so none comes between the start and the watching. On
// POSIX systems `start` must give the tool a signal mask of its own
// (POSIX_SPAWN_SETSIGMASK), or it would inherit the interrupts held back.
class watched_tool {
 public:
  explicit watched_tool(const std::function<process_ref()>& start);
  ~watched_tool();  // the tool has ended: an interrupt no longer stops it
  watched_tool(const watched_tool&) = delete;
  watched_tool& operator=(const watched_tool&) = delete;

  process_ref process() const { return process_; }

 private:
  process_ref process_;
};

// Holds interrupts back while it lives, whether they are caught or not: one
// that comes meanwhile takes effect afterwards. For a moment that must not be
// cut short, as while a file of the program's own is made and removed.
class interrupts_held_back {
 public:
  interrupts_held_back();
  ~interrupts_held_back();
  interrupts_held_back(const interrupts_held_back&) = delete;
  interrupts_held_back& operator=(const interrupts_held_back&) = delete;

 private:
  unsigned already_held_ = 0;  // those held back before, which stay so
};

// Waits the given time, or less when an interrupt comes: the console is left
// as it is.
void pause_console(std::chrono::milliseconds duration);

}  // namespace glyphrig

#endif  // GLYPHRIG_IMAGING_INTERRUPTS_H_
