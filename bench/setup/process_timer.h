#pragma once
// Wall-clock seconds of one program run, from its start to its end, timed
// inside Wine so that no shell or Wine loader start-up of the caller's
// counts. Every contender of the benchmark is timed this way, the plain
// loop included, so each pays for one process start.

#include <string>
#include <vector>

namespace vorlan::bench {

// Starts command[0] with the other entries as its parameters and waits for
// it. Raises when it cannot start or ends with a non-zero exit code.
double TimeProcess(const std::vector<std::string>& command);

}  // namespace vorlan::bench
