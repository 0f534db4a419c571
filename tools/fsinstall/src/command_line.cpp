#include "fsinstall/command_line.h"

#include <optional>

#include "platform/numbers.h"

namespace fsinstall {

const char kUsage[] =
    "usage: fsinstall <folder> [--fs2002] [--airports <airports.sqlite> [--every <n>] [--navaids <nav.dat>]]\n"
    "                 [--no-key] [--planner-flights <name>]\n"
    "Writes a stand-in simulator installation into <folder>, a Windows path such as C:\\FS2002.\n";

namespace {

ParsedCommandLine Wrong(std::string problem) { return {CommandLineVerdict::Wrong, {}, std::move(problem)}; }

bool IsOption(const std::string& arg) { return !arg.empty() && arg.front() == '-'; }

}  // namespace

ParsedCommandLine ParseCommandLine(const std::vector<std::string>& args) {
    CommandLine line;
    bool haveFolder = false;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        // The option's value, or nullopt when the arguments end before it.
        const auto value = [&]() -> std::optional<std::string> {
            if (i + 1 >= args.size()) return std::nullopt;
            return args[++i];
        };
        if (arg == "--help" || arg == "-h") {
            return {CommandLineVerdict::Help, {}, {}};
        } else if (arg == "--fs2002") {
            line.options.version = SimulatorVersion::Fs2002;
        } else if (arg == "--no-key") {
            line.options.writeInstallKey = false;
        } else if (arg == "--planner-flights" || arg == "--airports" || arg == "--navaids" || arg == "--every") {
            const std::optional<std::string> given = value();
            if (!given) return Wrong(arg + " needs a value");
            if (arg == "--planner-flights") line.options.plannerFlightsFolder = *given;
            if (arg == "--airports") line.airportDatabase = *given;
            if (arg == "--navaids") line.navaidFile = *given;
            if (arg == "--every") {
                const std::optional<int> every = platform::ParseInt(*given);
                if (!every || *every < 1) return Wrong("--every needs a whole number of 1 or more");
                line.everyAirport = *every;
            }
        } else if (IsOption(arg)) {
            return Wrong("unknown option " + arg);
        } else if (haveFolder) {
            return Wrong("more than one folder: " + line.options.folder + " and " + arg);
        } else {
            line.options.folder = arg;
            haveFolder = true;
        }
    }
    if (!haveFolder) return Wrong("no folder to install into");
    if (!line.navaidFile.empty() && line.airportDatabase.empty()) return Wrong("--navaids needs --airports");
    return {CommandLineVerdict::Install, std::move(line), {}};
}

}  // namespace fsinstall
