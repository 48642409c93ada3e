#ifndef GLYPHRIG_IMAGING_COMMAND_RUNNER_H_
#define GLYPHRIG_IMAGING_COMMAND_RUNNER_H_

#include <functional>
#include <string>

// Runs one command line to completion and ignores how the program ended.
// Returns false when the program could not be started at all (not found, a
// command line too long for the system, ...), after saying why on the
// console. The program hands the system's runner in; tests hand in one that
// records each line.
namespace glyphrig {

using command_runner = std::function<bool(const std::string& command_line)>;

}  // namespace glyphrig

#endif  // GLYPHRIG_IMAGING_COMMAND_RUNNER_H_
