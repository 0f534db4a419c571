// DuzE: "-q <source>" writes Build.adv beside the source; "-e <source> build" writes
// Build.adv and build.err in the working folder.
#include <string>
#include <vector>

#include "duze/build_run.h"

int main(int argc, char** argv) {
    std::vector<std::string> arguments(argv + 1, argv + argc);
    return duze::RunBuild(duze::ParseArguments(arguments));
}
