// fsim: a stand-in for the flight simulator, for the simulator link's tests.
//
//   fsim [-modules <folder>] [-menu <items>] [-commands <path> -replies <path>]
//
// Loads Cabinhook from the modules folder (default: "Modules" beside the program) and
// reads one command a line from the commands path (default: standard input), answering
// each with one line on the replies path (default: standard output):
//   set <offset> <hex>   dump <offset> <length>   menubar <items>   menu
//   click <id>   menuclose   commands   boxes   hooked   hang <ms>   load   unload   quit
#include <cstdio>
#include <cstdlib>
#include <string>

#include "simulator.h"

namespace {

std::filesystem::path ProgramFolder() { return std::filesystem::read_symlink("/proc/self/exe").parent_path(); }

bool ParseOptions(int argc, char** argv, fsim::Options& options) {
    options.modulesFolder = ProgramFolder() / "Modules";
    for (int index = 1; index + 1 < argc; index += 2) {
        const std::string name = argv[index];
        const std::string value = argv[index + 1];
        if (name == "-modules")
            options.modulesFolder = value;
        else if (name == "-menu")
            options.menuItems = std::atoi(value.c_str());
        else if (name == "-commands")
            options.commandPath = value;
        else if (name == "-replies")
            options.replyPath = value;
        else
            return false;
    }
    return argc % 2 == 1;
}

}  // namespace

int main(int argc, char** argv) {
    fsim::Options options;
    if (!ParseOptions(argc, argv, options)) {
        std::fprintf(stderr, "usage: fsim [-modules <folder>] [-menu <items>] [-commands <path> -replies <path>]\n");
        return 2;
    }
    fsim::Simulator simulator(options);
    if (!simulator.started()) return 1;
    return simulator.Run();
}
