#ifndef GLYPHRIG_IMAGING_COMMAND_RUNNER_H_
#define GLYPHRIG_IMAGING_COMMAND_RUNNER_H_

#include <functional>
#include <string>

namespace glyphrig {

// How a command ended. The image steps judge a tool by the picture it leaves,
// not by this; only a check that leaves no picture asks whether it succeeded.
enum class command_end {
  not_started,  // not found, a command line too long for the system, ...: the
                // command layer has said why on the console
  failed,       // started, and ended with a status other than 0 or by a signal
  succeeded,
};

// Whether what the started program writes reaches the console. A check of our
// own keeps the tool's complaints, which are about our words, to itself.
enum class tool_output { shown, hidden };

// Runs one command line to completion. The program hands the system's runner
// in; tests hand in one that records each line.
using command_runner =
    std::function<command_end(const std::string& command_line, tool_output output)>;

}  // namespace glyphrig

#endif  // GLYPHRIG_IMAGING_COMMAND_RUNNER_H_
