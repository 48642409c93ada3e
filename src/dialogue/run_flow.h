#ifndef GLYPHRIG_DIALOGUE_RUN_FLOW_H_
#define GLYPHRIG_DIALOGUE_RUN_FLOW_H_

#include <chrono>
#include <functional>
#include <iosfwd>

#include "imaging/command_runner.h"

// Waits the given time; the program sleeps, tests only take note.
using Pause = std::function<void(std::chrono::milliseconds)>;

// One whole run: the questions on `in` and `out`, then the commands that make
// result.png. Returns the exit status: 0 after "done"; 1 when standard input
// ended before every question was answered (nothing is run then), or when no
// picture could be made.
int run_glyphrig(std::istream& in, std::ostream& out, const CommandRunner& run_command,
                 const Pause& pause);

#endif  // GLYPHRIG_DIALOGUE_RUN_FLOW_H_
