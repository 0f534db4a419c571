// fsinstall: writes a stand-in simulator installation into a folder.
//   fsinstall <folder> [--fs2002] [--airports <airports.sqlite> [--every <n>]] [--no-key] [--planner-flights <name>]
// Without --airports the built-in sample world is written.
#include <cstdio>
#include <string>

#include "fsinstall/airport_database.h"
#include "fsinstall/installation.h"
#include "fsinstall/sample_world.h"
#include "platform/numbers.h"

namespace {

int Usage() {
    std::fprintf(stderr,
                 "usage: fsinstall <folder> [--fs2002] [--airports <airports.sqlite> [--every <n>]] [--no-key]\n"
                 "       [--planner-flights <name>]\n");
    return 2;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2) return Usage();
    fsinstall::InstallationOptions options;
    options.folder = argv[1];
    std::string database;
    int every = 1;
    for (int i = 2; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg == "--fs2002") {
            options.version = fsinstall::SimulatorVersion::Fs2002;
        } else if (arg == "--no-key") {
            options.writeInstallKey = false;
        } else if (arg == "--planner-flights" && i + 1 < argc) {
            options.plannerFlightsFolder = argv[++i];
        } else if (arg == "--airports" && i + 1 < argc) {
            database = argv[++i];
        } else if (arg == "--every" && i + 1 < argc) {
            every = platform::LeadingInt(argv[++i]);
        } else {
            return Usage();
        }
    }
    fsinstall::SceneryContent world = fsinstall::SampleWorld();
    if (!database.empty()) {
        auto airports = fsinstall::ReadAirportDatabase(database, every);
        if (!airports) {
            std::fprintf(stderr, "fsinstall: cannot read %s\n", database.c_str());
            return 1;
        }
        world.airports = std::move(*airports);
    }
    if (!fsinstall::WriteInstallation(options, world)) {
        std::fprintf(stderr, "fsinstall: cannot write the installation in %s\n", options.folder.c_str());
        return 1;
    }
    std::printf("fsinstall: %zu airports written to %s\n", world.airports.size(), options.folder.c_str());
    return 0;
}
