#ifndef GLYPHRIG_DIALOGUE_RUN_FLOW_H_
#define GLYPHRIG_DIALOGUE_RUN_FLOW_H_

#include <chrono>
#include <functional>
#include <iosfwd>

#include "imaging/command_runner.h"

namespace glyphrig {

// Waits the given time; the program sleeps, tests only take note.
using pause_function = std::function<void(std::chrono::milliseconds)>;

// One whole run: the questions on `in` and `out`, then the commands that make
// result.png. Returns the exit status: 0 after "done" with the picture asked
// for; 1 when the working directory is no working tree or cannot be written,
// or standard input ended before every question was answered (nothing is run
// then), when no whole picture could be made, or when a plate was refused as
// too wide. Runs in one folder take turns from the removal of the old picture
// to the clean-up (folder_lock.h). An interrupt in that time stops the run,
// which then leaves no picture and returns the interrupt's status
// (interrupts.h); before, it ends the program; after "done", it only cuts the
// closing pause short.
int run_glyphrig(std::istream& in, std::ostream& out, const command_runner& run_command,
                 const pause_function& pause);

}  // namespace glyphrig

#endif  // GLYPHRIG_DIALOGUE_RUN_FLOW_H_
