// The flight file of a whole definition (four airports with SID/STAR, ILS, an NDB and
// the engines off), compared with the file kept beside the test.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>

#include "flitmark/flitmark.h"
#include "flt_fixture.h"

namespace flitmark {
namespace {

std::filesystem::path DataPath(const std::string& name) {
    const char* dir = std::getenv("QUILLET_TEST_SOURCE_DIR");
    return std::filesystem::path(dir ? dir : ".") / "tests" / "data" / name;
}

class GoldenFlt : public testing::FltFixture {
protected:
    GoldenFlt() {
        previous_ = SetFlitmarkYearSource([] { return 2001; });
    }
    ~GoldenFlt() override { SetFlitmarkYearSource(previous_); }

    FlitmarkYearSource previous_ = nullptr;
};

// QUILLET_UPDATE_GOLDEN=1 rewrites the kept file from the written one.
TEST_F(GoldenFlt, FourAirportsFull) {
    std::filesystem::copy_file(DataPath("four_airports_full.adf"), platform::HostPath(testing::kAdfPath));
    std::vector<std::string> waypoints = {"KSPR, N040* 30.00', W090* 15.00', +000600.00,1,0,8000,,0\n",
                                          "waypoint.1=SPR, N041* 05.00', W089* 40.00', +008000.00,3,8,8000,,1\n"};
    ASSERT_TRUE(CreateFlt(testing::kAdfPath, &waypoints));
    const std::string written = Bytes(testing::kFltPath);
    if (std::getenv("QUILLET_UPDATE_GOLDEN"))
        std::ofstream(DataPath("four_airports_full.flt"), std::ios::binary) << written;
    EXPECT_EQ(written, platform::testing::TempEnvironment::readFile(DataPath("four_airports_full.flt")));
}

}  // namespace
}  // namespace flitmark
