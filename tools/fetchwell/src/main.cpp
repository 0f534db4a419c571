// A stand-in for the update program. "/UPDATE_REQUEST" asks whether a newer version
// exists; no argument downloads the latest. There is nothing to fetch here: it reports
// that the installed version is the latest and ends with 0.
//
// For tests: FETCHWELL_LOG names a host file to which each run appends its arguments
// ("(none)" for none) on a line when it starts and "done" when it ends;
// FETCHWELL_SECONDS makes it take that long.
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <thread>

namespace {

constexpr const char* kUpdateRequest = "/UPDATE_REQUEST";

void AppendToLog(const std::string& line) {
    const char* log = std::getenv("FETCHWELL_LOG");
    if (log == nullptr || *log == '\0') return;
    if (std::FILE* file = std::fopen(log, "a")) {
        std::fprintf(file, "%s\n", line.c_str());
        std::fclose(file);
    }
}

void TakeTheSetTime() {
    const char* seconds = std::getenv("FETCHWELL_SECONDS");
    if (seconds == nullptr) return;
    const double wait = std::strtod(seconds, nullptr);
    if (wait > 0 && wait < 3600) std::this_thread::sleep_for(std::chrono::duration<double>(wait));
}

}  // namespace

int main(int argc, char** argv) {
    std::string arguments;
    for (int i = 1; i < argc; ++i) arguments += (i > 1 ? " " : "") + std::string(argv[i]);
    AppendToLog(arguments.empty() ? "(none)" : arguments);
    TakeTheSetTime();
    if (arguments == kUpdateRequest)
        std::printf("Fetchwell: the installed version is the latest.\n");
    else
        std::printf("Fetchwell: nothing newer to download.\n");
    AppendToLog("done");
    return 0;
}
