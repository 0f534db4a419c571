// One run of the stand-in compiler as the suite starts it: " -q <source>" (the
// compiled Build.adv beside the source) or " -e <source> build" (Build.adv and
// build.err in the working folder). Errors go to build.err as "path line: message".
#pragma once

#include <string>
#include <vector>

namespace duze {

struct BuildRequest {
    std::string sourcePath;  // a Windows path, as given
    // Where Build.adv and build.err go: the source's folder for -q, the working folder
    // (empty) for -e.
    std::string outputFolder;
    bool valid = false;
};

// Reads the arguments after the program name; an unknown form gives valid false.
BuildRequest ParseArguments(const std::vector<std::string>& arguments);

// Checks the source and writes the result files; the exit code (0 sound, 1 errors,
// 2 the source cannot be read or the arguments are wrong).
int RunBuild(const BuildRequest& request);

}  // namespace duze
