// Windows runs a console's control handler on a thread of its own, and ends
// the program when the handler gives the event up. A closed console window
// gives the program a few seconds from the event: the handler keeps the
// event until the run has cleaned up and ended the program itself.

#define WIN32_LEAN_AND_MEAN
#include <windows.h>

#include <mutex>

#include "imaging/interrupts.h"

namespace glyphrig {
namespace {

// Guards the state below, shared between the run and the handler's thread.
std::mutex state;
bool noted = false;
HANDLE tool = nullptr;
// Set by an interrupt, for the pause to end early; made once.
const HANDLE interrupted = CreateEventA(nullptr, TRUE, FALSE, nullptr);

BOOL WINAPI on_interrupt(DWORD event) {
  std::unique_lock hold(state);
  const bool second = noted;
  noted = true;
  // Noted first: the run, waiting for the tool, sees why it ended.
  if (tool) TerminateProcess(tool, STATUS_CONTROL_C_EXIT);
  // The second: the system's own handler ends the program at once.
  if (second) return FALSE;
  SetEvent(interrupted);
  if (event == CTRL_C_EVENT || event == CTRL_BREAK_EVENT) return TRUE;
  hold.unlock();
  Sleep(INFINITE);  // the run ends the program once it has cleaned up
  return TRUE;
}

// Held by interrupts_held_back; the handler waits for it.
std::mutex held_back;

BOOL WINAPI wait_until_let_through(DWORD) {
  const std::lock_guard wait(held_back);
  return FALSE;  // then the next handler, or the system's, takes the event
}

}  // namespace

void catch_interrupts() {
  const std::lock_guard hold(state);
  noted = false;
  ResetEvent(interrupted);
  static const bool caught = SetConsoleCtrlHandler(on_interrupt, TRUE);
  (void)caught;
}

std::optional<int> noted_interrupt() {
  const std::lock_guard hold(state);
  if (!noted) return std::nullopt;
  return static_cast<int>(STATUS_CONTROL_C_EXIT);
}

interrupts_held_back::interrupts_held_back() {
  held_back.lock();
  SetConsoleCtrlHandler(wait_until_let_through, TRUE);
}

interrupts_held_back::~interrupts_held_back() {
  SetConsoleCtrlHandler(wait_until_let_through, FALSE);
  held_back.unlock();
}

watched_tool::watched_tool(const std::function<process_ref()>& start) {
  const std::lock_guard hold(state);
  process_ = start();
  tool = reinterpret_cast<HANDLE>(process_);
}

watched_tool::~watched_tool() {
  const std::lock_guard hold(state);
  tool = nullptr;
}

void pause_console(std::chrono::milliseconds duration) {
  WaitForSingleObject(interrupted, static_cast<DWORD>(duration.count()));
}

}  // namespace glyphrig
