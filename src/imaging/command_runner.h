#ifndef GLYPHRIG_IMAGING_COMMAND_RUNNER_H_
#define GLYPHRIG_IMAGING_COMMAND_RUNNER_H_

#include <functional>
#include <string>

// Runs one command line to completion and ignores how it ended. The program
// hands the system's runner in; tests hand in one that records each line.
using CommandRunner = std::function<void(const std::string& command_line)>;

#endif  // GLYPHRIG_IMAGING_COMMAND_RUNNER_H_
