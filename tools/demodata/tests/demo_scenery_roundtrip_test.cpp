// The demo's base directory and its stand-in installation written from one world, and
// the builder's Create Db over the installation: the databases it writes hold the base
// directory's records, but for what the scenery keeps otherwise.
#include <gtest/gtest.h>

#include <cstdlib>
#include <set>

#include "beaconex/navaid_line_layout.h"
#include "database_comparison.h"
#include "demo_world.h"
#include "demodata/world_source.h"
#include "fixture_world.h"
#include "fsinstall/installation.h"
#include "gathrel/bgl_scan.h"
#include "nav_dat.h"
#include "navaid_world.h"
#include "platform/message_box.h"
#include "platform/text.h"
#include "testing/temp_environment.h"

namespace demodata {
namespace {

using platform::testing::TempEnvironment;

// The scenery keeps a runway's elevation to 1/65536 m, which a scan writes in feet with
// six decimals; a navaid's in whole metres, which it writes in whole feet, cut. Navaid
// positions are 24-bit (2.15e-5 degrees of longitude), names 24 characters.
constexpr double kAirportElevationTolerance = 0.001;
constexpr double kNavaidElevationTolerance = 3.3;
constexpr double kNavaidPositionTolerance = 2.2e-5;
constexpr std::size_t kSceneryNameLength = 24;

struct Database {
    const char* name;
    std::span<const testing::NamedField> fields, key;
    std::set<std::string> mayDiffer;
};

// What a record holds otherwise after a scan:
// - an airport line's elevation (above); its position, which a scan takes from the
//   runway's centre, the demo from the airport's reference point; runway ends that the
//   scenery does not have, which a scan works out (and logs) where the demo leaves them
//   blank;
// - a navaid line's position, elevation and name (above).
const Database kDatabases[] = {
    {"Airport.nav",
     testing::kAirportFields,
     testing::kAirportKey,
     {"elevation", "latitude", "longitude", "start latitude", "end latitude", "start longitude", "end longitude"}},
    {"Navaids.nav", testing::kNavaidFields, testing::kNavaidKey, {"latitude", "longitude", "elevation", "name"}},
    {"Ils.nav", testing::kIlsFields, testing::kIlsKey, {}},
};

std::string Read(const std::filesystem::path& folder, const char* name) {
    return TempEnvironment::readFile(folder / name);
}

// Navaids whose type, ident and frequency an earlier one has (the builder keeps the
// first), and of the others those with names longer than the scenery's.
struct NavaidFacts {
    std::size_t repeated = 0, longNames = 0;
};

NavaidFacts FactsOf(const std::string& navaids) {
    namespace layout = beaconex::navaid_line;
    NavaidFacts facts;
    std::set<std::string> keys;
    for (const std::string& record : testing::DatabaseRecords(navaids)) {
        const std::size_t keyEnd = layout::kFrequency.end();  // type, ident and frequency
        if (!keys.insert(record.substr(layout::kType.column, keyEnd - layout::kType.column)).second) {
            ++facts.repeated;
        } else if (platform::Trimmed(record.substr(layout::kName.column)).size() > kSceneryNameLength) {
            ++facts.longNames;
        }
    }
    return facts;
}

void ExpectCreateDbGivesBack(const std::filesystem::path& demo, const std::filesystem::path& scanned) {
    std::map<std::string, testing::Differences> found;
    for (const Database& database : kDatabases) {
        SCOPED_TRACE(database.name);
        const testing::Differences d = testing::CompareDatabases(
            Read(demo, database.name), Read(scanned, database.name), database.fields, database.key);
        EXPECT_EQ(d.onlyScanned, 0u);
        for (const auto& [field, records] : d.fields) EXPECT_TRUE(database.mayDiffer.contains(field)) << field;
        found[database.name] = d;
    }
    EXPECT_EQ(Read(demo, "Country.nav"), Read(scanned, "Country.nav"));
    testing::Differences& airports = found["Airport.nav"];
    EXPECT_EQ(airports.onlyInDemo, 0u);
    EXPECT_LE(airports.largest["elevation"], kAirportElevationTolerance);
    for (const char* end : {"start latitude", "end latitude", "start longitude", "end longitude"})
        EXPECT_EQ(airports.fields[end], airports.blankInDemo[end]) << end;
    const NavaidFacts facts = FactsOf(Read(demo, "Navaids.nav"));
    testing::Differences& navaids = found["Navaids.nav"];
    EXPECT_EQ(navaids.onlyInDemo, facts.repeated);
    EXPECT_LE(navaids.largest["latitude"], kNavaidPositionTolerance);
    EXPECT_LE(navaids.largest["longitude"], kNavaidPositionTolerance);
    EXPECT_LE(navaids.largest["elevation"], kNavaidElevationTolerance);
    EXPECT_EQ(navaids.fields["name"], facts.longNames);
    EXPECT_EQ(found["Ils.nav"].onlyInDemo, 0u);
}

// Create Db as a user runs it, over the installation in folder, into D:\Scanned\.
void CreateDb(const std::string& folder) {
    gathrel::ScanProgress progress;
    const gathrel::ScanReport report =
        gathrel::RunBglScan({folder, {}, gathrel::DatabasePathsIn("D:\\Scanned\\")}, progress);
    ASSERT_EQ(report.outcome, gathrel::ScanOutcome::Written);
}

TEST(DemoScenery, CreateDbGivesBackTheDemosRecords) {
    TempEnvironment env;
    platform::MessageBoxRecorder boxes;
    fsinstall::SceneryContent world;
    world.airports = testing::FixtureAirports();
    AddNavaids(ReadNavDat(testing::FixtureNavDat()).records, world);
    DemoCounts counts;
    ASSERT_TRUE(WriteDemoWorld(env.driveC() / "Quillet", world, {}, counts));
    fsinstall::InstallationOptions options;
    options.folder = "C:\\FS2002";
    options.version = fsinstall::SimulatorVersion::Fs2002;
    ASSERT_TRUE(fsinstall::WriteInstallation(options, world));
    CreateDb(options.folder);
    ExpectCreateDbGivesBack(env.driveC() / "Quillet", env.driveD() / "Scanned");
    EXPECT_TRUE(boxes.texts().empty());
}

// The demo as scripts/make-demo writes it, from the fetched sources, when they are there.
// It is made here, not read from build/demo, which the user may have changed since.
TEST(DemoScenery, CreateDbGivesBackTheMadeDemosRecords) {
    const std::filesystem::path airports = QUILLET_AIRPORT_DATABASE;
    if (!std::filesystem::exists(airports)) GTEST_SKIP() << "no " << airports << " (scripts/fetch-airport-data)";
    TempEnvironment env;
    platform::MessageBoxRecorder boxes;
    DemoWorldSources sources;
    sources.airportDatabase = airports.string();
    const std::filesystem::path navaids = QUILLET_NAVAID_FILE;
    if (std::filesystem::exists(navaids)) {
        const std::filesystem::path navDat = env.tempDir() / "nav.dat";
        const std::string unpack = "gzip -dc '" + navaids.string() + "' > '" + navDat.string() + "'";
        ASSERT_EQ(std::system(unpack.c_str()), 0) << unpack;
        sources.navaidFile = navDat.string();
    }
    std::string error;
    const std::optional<DemoWorld> world = ReadDemoWorld(sources, error);
    ASSERT_TRUE(world) << error;
    DemoCounts counts;
    ASSERT_TRUE(WriteDemoWorld(env.driveC() / "Quillet", world->content, {}, counts));
    fsinstall::InstallationOptions options;
    options.folder = "C:\\FS2002";
    options.version = fsinstall::SimulatorVersion::Fs2002;
    ASSERT_TRUE(fsinstall::WriteInstallation(options, world->content));
    CreateDb(options.folder);
    ExpectCreateDbGivesBack(env.driveC() / "Quillet", env.driveD() / "Scanned");
}

}  // namespace
}  // namespace demodata
