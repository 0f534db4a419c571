// fsinstall's command line:
//   fsinstall <folder> [--fs2002] [--airports <airports.sqlite> [--every <n>] [--navaids <nav.dat>]]
//             [--no-key] [--planner-flights <name>]
#pragma once

#include <string>
#include <vector>

#include "fsinstall/installation.h"

namespace fsinstall {

struct CommandLine {
    InstallationOptions options;
    std::string airportDatabase;  // empty: the built-in sample world
    int everyAirport = 1;
    std::string navaidFile;  // with an airport database only
};

enum class CommandLineVerdict {
    Install,
    Help,   // --help or -h: the usage on standard output, nothing written
    Wrong,  // an unknown option, a value or the folder missing: the problem and the usage, nothing written
};

struct ParsedCommandLine {
    CommandLineVerdict verdict = CommandLineVerdict::Wrong;
    CommandLine line;     // for Install
    std::string problem;  // for Wrong
};

// args: the arguments after the program's name. A folder is a Windows path, never an
// option: "--help" is not taken for one.
ParsedCommandLine ParseCommandLine(const std::vector<std::string>& args);

extern const char kUsage[];

}  // namespace fsinstall
