// fsinstall: writes a stand-in simulator installation into a folder (usage in
// fsinstall/command_line.h). Without --airports the built-in sample world is written.
#include <cstdio>
#include <string>
#include <vector>

#include "fsinstall/airport_database.h"
#include "fsinstall/command_line.h"
#include "fsinstall/installation.h"
#include "fsinstall/sample_world.h"

int main(int argc, char** argv) {
    const fsinstall::ParsedCommandLine parsed = fsinstall::ParseCommandLine({argv + 1, argv + argc});
    if (parsed.verdict == fsinstall::CommandLineVerdict::Help) {
        std::fputs(fsinstall::kUsage, stdout);
        return 0;
    }
    if (parsed.verdict == fsinstall::CommandLineVerdict::Wrong) {
        std::fprintf(stderr, "fsinstall: %s\n%s", parsed.problem.c_str(), fsinstall::kUsage);
        return 2;
    }
    const fsinstall::CommandLine& line = parsed.line;
    fsinstall::SceneryContent world = fsinstall::SampleWorld();
    if (!line.airportDatabase.empty()) {
        auto airports = fsinstall::ReadAirportDatabase(line.airportDatabase, line.everyAirport);
        if (!airports) {
            std::fprintf(stderr, "fsinstall: cannot read %s\n", line.airportDatabase.c_str());
            return 1;
        }
        world.airports = std::move(*airports);
    }
    if (!fsinstall::WriteInstallation(line.options, world)) {
        std::fprintf(stderr, "fsinstall: cannot write the installation in %s\n", line.options.folder.c_str());
        return 1;
    }
    std::printf("fsinstall: %zu airports written to %s\n", world.airports.size(), line.options.folder.c_str());
    return 0;
}
