// scancheck [--update]: scans the stand-in installations (the small cases and the
// benchmark's) twice each and compares what the scan wrote with the digests in
// golden.txt; --update writes the digests there instead. Run a release build of it
// (scripts/scan-check) before and after a change to the scan.
#include <cstdio>
#include <fstream>
#include <string>
#include <vector>

#include "scancheck/scan_outputs.h"
#include "testing/temp_environment.h"

namespace {

std::vector<std::string> ReadLines(const char* path) {
    std::vector<std::string> lines;
    std::ifstream in(path);
    for (std::string line; std::getline(in, line);) lines.push_back(line);
    return lines;
}

}  // namespace

int main(int argc, char** argv) {
    const bool update = argc > 1 && std::string(argv[1]) == "--update";
    std::vector<scancheck::InstallCase> cases = scancheck::SmallCases();
    for (scancheck::InstallCase& c : scancheck::BenchCases(QUILLET_AIRPORT_DATABASE)) cases.push_back(std::move(c));
    std::printf("cases:");
    for (const scancheck::InstallCase& c : cases) std::printf(" %s", c.name.c_str());
    std::printf("\n");
    std::vector<std::string> lines;
    for (const scancheck::InstallCase& c : cases) {
        platform::testing::TempEnvironment env;
        for (std::string& line : scancheck::DigestLines(c)) lines.push_back(std::move(line));
    }
    if (update) {
        std::ofstream out(SCANCHECK_GOLDEN);
        for (const std::string& line : lines) out << line << '\n';
        std::printf("%zu digests written to %s\n", lines.size(), SCANCHECK_GOLDEN);
        return out ? 0 : 1;
    }
    const std::vector<std::string> golden = scancheck::LinesOfCases(ReadLines(SCANCHECK_GOLDEN), cases);
    int differences = 0;
    for (std::size_t i = 0; i < std::max(lines.size(), golden.size()); ++i) {
        const std::string made = i < lines.size() ? lines[i] : "(none)";
        const std::string kept = i < golden.size() ? golden[i] : "(none)";
        if (made == kept) continue;
        std::printf("differs: %s\n   was: %s\n", made.c_str(), kept.c_str());
        ++differences;
    }
    std::printf("%zu digests of %zu cases, %d differ\n", lines.size(), cases.size(), differences);
    return differences == 0 ? 0 : 1;
}
