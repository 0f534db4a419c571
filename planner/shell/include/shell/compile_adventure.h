// Compiling an adventure source (<title>.txt) into the compiled adventure (<title>.adv)
// beside it with the adventure compiler named by Files/Adventure Build.
//
// Each run works in a folder of its own under the temporary folder, so planners that
// compile at the same time never share a work file: the source is copied there as
// "Build.txt", the compiler runs hidden on it (" -q " and the quoted path) with the
// source's folder as working folder, and the Build.adv it leaves there is copied beside
// the source. An older .adv beside the source is deleted first, so only this run's
// result counts. A compiler that runs longer than the time limit is ended.
#pragma once

#include <chrono>
#include <string>

namespace trevalo {

inline constexpr const char* kBuildSourceMissingMessage =
    "The file cannot be found and cannot be saved.\nEnsure that the file has a valid name and that you have\n"
    "read\\write access to the file\nThe build cannot be completed";
inline constexpr const char* kBuildCompilerMissingMessage = "Can't or don't know how to build .ADV";

inline constexpr std::chrono::milliseconds kCompileTimeLimit = std::chrono::minutes(5);

// True when this run made the compiled adventure beside the source. A missing source or
// compiler shows its message; any other failure is left to the caller to report.
bool CompileAdventure(const std::string& sourcePath, std::chrono::milliseconds timeLimit = kCompileTimeLimit);

}  // namespace trevalo
