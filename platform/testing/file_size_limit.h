// For tests of writers on a full disk: runs a piece of code in a forked child whose
// files cannot grow past a limit (setrlimit RLIMIT_FSIZE). Past the limit a write either
// fails with EFBIG, as on a full disk, or kills the writer, as a kill in mid-write would.
//
// Include as "testing/file_size_limit.h" (CMake target platform_testing).
#pragma once

#include <cstdint>
#include <functional>
#include <string>

namespace platform::testing {

enum class AtFileSizeLimit { WriteFails, WriterDies };

struct ChildOutcome {
    int exitCode = -1;   // -1 when the child did not exit by itself
    int signal = 0;      // the signal that ended it, else 0
    std::string report;  // what the child put into its report
};

// body runs in the child and returns its exit code; what it writes into its report
// comes back in the outcome (so that, say, a message box text can be checked).
ChildOutcome RunWithFileSizeLimit(std::uint64_t limitBytes, AtFileSizeLimit atLimit,
                                  const std::function<int(std::string& report)>& body);

}  // namespace platform::testing
