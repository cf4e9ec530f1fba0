// The job from start-up to shutdown: parameters in, the two stages, the
// result line out, and the process's exit code.
#pragma once

#include <string>
#include <vector>

namespace orv {

// Runs the whole job over the command-line arguments; returns the exit code.
int RunJob(const std::vector<std::string>& args);

} // namespace orv
