// Writing the demo world again over an older one, as a planner may be reading it.
#include <string>

#include <gtest/gtest.h>

#include "demo_world.h"
#include "testing/file_size_limit.h"
#include "testing/temp_environment.h"

namespace demodata {
namespace {

using platform::testing::AtFileSizeLimit;
using platform::testing::TempEnvironment;

fsinstall::Airport AirportWithRunways(const std::string& ident, int runways) {
    fsinstall::Airport airport;
    airport.ident = ident;
    airport.name = "Demo " + ident;
    airport.country = "Freedonia";
    airport.runways.resize(static_cast<size_t>(runways));
    return airport;
}

fsinstall::SceneryContent WorldOf(std::vector<fsinstall::Airport> airports) {
    fsinstall::SceneryContent world;
    world.airports = std::move(airports);
    return world;
}

// A full disk or a kill in mid-write leaves the older databases whole, never cut short.
TEST(DemoRewrite, AFailedRewriteKeepsTheOlderDatabases) {
    TempEnvironment env;
    const std::filesystem::path folder = env.driveC() / "Quillet";
    DemoCounts counts;
    ASSERT_TRUE(WriteDemoWorld(folder, WorldOf({AirportWithRunways("OLD1", 3)}), {}, counts));
    const std::string airports = TempEnvironment::readFile(folder / "Airport.nav");
    const std::string countries = TempEnvironment::readFile(folder / "Country.nav");
    const fsinstall::SceneryContent larger = WorldOf({AirportWithRunways("NEW1", 8), AirportWithRunways("NEW2", 8)});

    for (AtFileSizeLimit atLimit : {AtFileSizeLimit::WriteFails, AtFileSizeLimit::WriterDies}) {
        const auto outcome = platform::testing::RunWithFileSizeLimit(airports.size(), atLimit, [&](std::string&) {
            DemoCounts ignored;
            return WriteDemoWorld(folder, larger, {}, ignored) ? 1 : 0;
        });
        EXPECT_NE(outcome.exitCode, 1);
        EXPECT_EQ(TempEnvironment::readFile(folder / "Airport.nav"), airports);
        EXPECT_EQ(TempEnvironment::readFile(folder / "Country.nav"), countries);
    }
}

}  // namespace
}  // namespace demodata
