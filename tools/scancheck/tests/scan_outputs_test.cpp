// The scan's outputs for the small stand-in installations, scanned twice each, against
// the digests kept in golden.txt (written by scancheck --update).
#include "scancheck/scan_outputs.h"

#include <gtest/gtest.h>

#include <fstream>

#include "testing/temp_environment.h"

namespace scancheck {
namespace {

std::vector<std::string> GoldenLines() {
    std::vector<std::string> lines;
    std::ifstream in(SCANCHECK_GOLDEN);
    for (std::string line; std::getline(in, line);) lines.push_back(line);
    return lines;
}

TEST(ScanOutputsTest, EveryOutputOfEverySmallCaseIsAsKept) {
    const std::vector<std::string> golden = GoldenLines();
    ASSERT_FALSE(golden.empty()) << SCANCHECK_GOLDEN;
    for (const InstallCase& c : SmallCases()) {
        SCOPED_TRACE(c.name);
        platform::testing::TempEnvironment env;
        EXPECT_EQ(DigestLines(c), LinesOfCases(golden, {c}));
    }
}

}  // namespace
}  // namespace scancheck
