// The real program (this build's vekframe) started as a child process from
// a folder of its own, as a shell starts it: for the tests of what only the
// whole process shows (its signals, its exit code, its instance lock).
#pragma once

#include <sys/types.h>

#include <string>
#include <vector>

#include "support/Doubles.h"

namespace real_program {

// Where the program's stdout and stderr go.
enum class Output {
  kNone,    // both to /dev/null
  kUsual,   // stdout to /dev/null, stderr the test's
  kGone,    // both into the pipe given, whose reader goes before the test
            // signals it (as `vekframe 2>&1 | tee log` when the terminal closes)
  kClosed,  // both closed (`vekframe >&- 2>&-`)
};

// This process's environment without its folders and display (runtime,
// home, configuration, cache and temporary folders), with the offscreen
// display and the entries given.
std::vector<std::string> EnvironmentWith(std::vector<std::string> entries);

// Links (or copies) the program into the folder, its program folder, and
// starts it there with the environment, signals handled the default way;
// the child's pid, or -1 when it could not be placed or started.
pid_t StartProgramIn(const testing_support::TempDir& folder, const std::vector<std::string>& env,
                     Output output = Output::kNone, int pipe = -1);

}  // namespace real_program
