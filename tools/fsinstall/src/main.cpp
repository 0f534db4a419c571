// fsinstall: writes a stand-in simulator installation into a folder (usage in
// fsinstall/command_line.h). Without --airports the built-in sample world is written;
// with it the demo's world: its airports and, with --navaids, its navaids and ILS.
#include <cstdio>
#include <string>
#include <vector>

#include "demodata/world_source.h"
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
        std::string error;
        auto demo = demodata::ReadDemoWorld({line.airportDatabase, line.navaidFile, line.everyAirport}, error);
        if (!demo) {
            std::fprintf(stderr, "fsinstall: %s\n", error.c_str());
            return 1;
        }
        world = std::move(demo->content);
    }
    if (!fsinstall::WriteInstallation(line.options, world)) {
        std::fprintf(stderr, "fsinstall: cannot write the installation in %s\n", line.options.folder.c_str());
        return 1;
    }
    std::size_t ils = 0;
    for (const fsinstall::Airport& airport : world.airports)
        for (const fsinstall::Runway& runway : airport.runways) ils += runway.ils.size();
    std::printf("fsinstall: %zu airports, %zu NDBs, %zu VORs and %zu ILS written to %s\n", world.airports.size(),
                world.ndbs.size(), world.vors.size(), ils, line.options.folder.c_str());
    return 0;
}
