#include "gathrel/builder_database.h"

#include <gtest/gtest.h>

#include "gathrel/listings_merge.h"
#include "testing/temp_environment.h"

namespace gathrel {
namespace {

const std::string kNavaid = std::string(30, ' ') + "VOR" + std::string(137, 'x') + "\n";

class BuilderDatabaseTest : public ::testing::Test {
protected:
    std::string File(const char* name) const {
        return platform::testing::TempEnvironment::readFile(env_.driveC() / "Quillet" / name);
    }

    platform::testing::TempEnvironment env_;
    DatabasePaths paths_ = DatabasePathsIn("C:\\Quillet\\");
};

TEST_F(BuilderDatabaseTest, ClosingWithoutChangesLeavesTheDatabasesAndMakesTheListings) {
    env_.writeFile("drive_c/Quillet/Navaids.nav", "1     \r\n" + kNavaid.substr(0, 170) + "\r\n");
    env_.writeFile("drive_c/Quillet/Airports.txt", "kept listing\n");
    BuilderDatabase database = LoadBuilderDatabase(paths_);
    ASSERT_EQ(database.navaidLines, std::vector<std::string>{kNavaid});
    std::string failed;
    EXPECT_TRUE(SaveBuilderDatabase(database, paths_, failed));
    EXPECT_EQ(File("Navaids.nav"), "1     \r\n" + kNavaid.substr(0, 170) + "\r\n");
    EXPECT_FALSE(std::filesystem::exists(env_.driveC() / "Quillet" / "Airport.nav"));
    EXPECT_TRUE(std::filesystem::is_regular_file(env_.driveC() / "Quillet" / "Navaids.txt"));
    EXPECT_EQ(File("Navaids.txt"), "");
    EXPECT_EQ(File("Airports.txt"), "kept listing\n");
}

TEST_F(BuilderDatabaseTest, ChangesAreSavedWithABareCountAndCountries) {
    BuilderDatabase database;
    database.navaidLines = {kNavaid, kNavaid};
    database.countries = {{"Chile", true}};
    database.unsaved = true;
    std::string failed;
    ASSERT_TRUE(SaveBuilderDatabase(database, paths_, failed));
    EXPECT_EQ(File("Navaids.nav"), "2\r\n" + kNavaid.substr(0, 170) + "\r\n" + kNavaid.substr(0, 170) + "\r\n");
    EXPECT_EQ(File("Country.nav"), "1\r\nChile\t1\r\n");
    EXPECT_FALSE(database.unsaved);
    // Read back, the same lines.
    EXPECT_EQ(LoadBuilderDatabase(paths_).navaidLines, database.navaidLines);
}

TEST_F(BuilderDatabaseTest, AScanAfterAMergeReplacesItsLinesAndCountries) {
    BuilderDatabase database;
    database.countries = {{"Merged", true}};
    database.navaidLines = {kNavaid};
    database.unsaved = true;
    ScanResult scan;
    scan.countries = {"Scanned"};
    scan.airportLines = {std::string(335, 'a') + "\n"};
    TakeScanResult(database, std::move(scan));
    EXPECT_EQ(database.countries, (std::vector<navdata::CountryEntry>{{"Scanned", true}}));
    EXPECT_TRUE(database.navaidLines.empty());
    EXPECT_EQ(database.airportLines.size(), 1u);
}

// The scan writes count lines padded to the record width; closing writes the same records
// again below a bare count, each file through a temporary that keeps its mode.
TEST_F(BuilderDatabaseTest, ClosingAfterAScanWritesItsLinesWithBareCounts) {
    ScanResult scan;
    scan.countries = {"Chile"};
    scan.navaidLines = {kNavaid, kNavaid};
    scan.airportLines = {std::string(335, 'a') + "\n"};
    scan.ilsLines = {std::string(92, 'i')};
    ScanProgress progress;
    std::string failed;
    ASSERT_TRUE(WriteScanDatabases(scan, paths_, progress, failed));
    const std::string ils = File("Ils.nav");
    const std::string countries = File("Country.nav");
    ASSERT_EQ(File("Navaids.nav").substr(0, 172), "2" + std::string(169, ' ') + "\r\n");
    const auto airportFile = env_.driveC() / "Quillet" / "Airport.nav";
    std::filesystem::permissions(airportFile, std::filesystem::perms::owner_read | std::filesystem::perms::owner_write);

    BuilderDatabase database = LoadBuilderDatabase(paths_);
    TakeScanResult(database, std::move(scan));
    ASSERT_TRUE(SaveBuilderDatabase(database, paths_, failed)) << failed;
    EXPECT_EQ(File("Navaids.nav"), "2\r\n" + kNavaid.substr(0, 170) + "\r\n" + kNavaid.substr(0, 170) + "\r\n");
    EXPECT_EQ(File("Airport.nav"), "1\r\n" + std::string(335, 'a') + "\r\n");
    EXPECT_EQ(std::filesystem::status(airportFile).permissions() & std::filesystem::perms::all,
              std::filesystem::perms::owner_read | std::filesystem::perms::owner_write);
    EXPECT_EQ(File("Ils.nav"), ils);
    EXPECT_EQ(File("Country.nav"), countries);
    for (const char* listing : {"Navaids.txt", "Airports.txt"}) {
        EXPECT_TRUE(std::filesystem::is_regular_file(env_.driveC() / "Quillet" / listing)) << listing;
        EXPECT_EQ(File(listing), "");
    }
    EXPECT_FALSE(database.unsaved);
}

}  // namespace
}  // namespace gathrel

#include <chrono>

#include "gathrel/builder_job.h"

namespace gathrel {
namespace {

TEST(BuilderJob, IsBusyFromBeforeTheWorkerStartsUntilItsResultIsTaken) {
    BuilderJob job;
    std::atomic<bool> release{false};
    std::atomic<bool> sawBusy{false};
    ASSERT_TRUE(job.Start([&](ScanProgress&) {
        sawBusy = job.Busy();
        while (!release) std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }));
    EXPECT_TRUE(job.Busy());
    EXPECT_FALSE(job.Start([](ScanProgress&) {}));  // a second one is refused
    release = true;
    while (!job.WorkDone()) std::this_thread::sleep_for(std::chrono::milliseconds(1));
    EXPECT_TRUE(job.Busy());  // until the result is taken
    job.Finish();
    EXPECT_FALSE(job.Busy());
    EXPECT_TRUE(sawBusy);
}

TEST(BuilderJob, StopAsksTheWorkerToStopAndWaitsForIt) {
    BuilderJob job;
    std::atomic<bool> stopped{false};
    job.Start([&](ScanProgress& progress) {
        while (!progress.StopRequested()) std::this_thread::sleep_for(std::chrono::milliseconds(1));
        stopped = true;
    });
    job.Stop();
    EXPECT_TRUE(stopped);
    EXPECT_FALSE(job.Busy());
}

}  // namespace
}  // namespace gathrel
