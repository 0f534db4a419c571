#include "gathrel/listings_merge.h"

#include <gtest/gtest.h>

#include <string>

#include "aerodrex/airport_getters.h"
#include "beaconex/navaid_getters.h"
#include "gathrel/record_search.h"
#include "platform/text.h"
#include "testing/temp_environment.h"

namespace gathrel {
namespace {

constexpr const char* kNavaids =
    "Freedonia - Springfield VOR\r\n"
    "Type\tID\tFreq.\tLatitude\tLongitude\tElevation\r\n"
    "VOR\tSPF\t113.40\tN47*30.00'\tW122*20.50'\t450\r\n"
    "\r\n"
    "Sylvania - Otherton NDB\n"
    "NDB\tOT\t350.0\tS046* 10'00.00\tE121* 10'00.00\t-12\n"
    "Ndb2\tBAD\t350.0\tN1*0.0'\tE1*0.0'\t0\n"    // a type of four letters
    "VOR\tNOPOS\t113.0\tnowhere\tE1*0.0'\t0\n";  // no position

constexpr const char* kAirports =
    "Springfield, Freedonia - Springfield Regional\n"
    "ID / Elevation\tKSPF\t1234\tN47*27.20'\tW122*18.10'\t118.25\n"
    "Runway\tLength\tSurface\tILS\tILS ID\n"
    "27L\t9800\tAsphalt\t110.30\tISPF\n"
    "09R\t9800\tAsphalt\t\t\n";

class MergeTest : public ::testing::Test {
protected:
    BuilderDatabase database_;
    ScanProgress progress_;
};

TEST_F(MergeTest, MakesWholeLinesFromTheListings) {
    const MergeCounts counts = MergeListings(database_, kNavaids, kAirports, progress_);
    EXPECT_EQ(counts.navaidsAdded, 2u);
    EXPECT_EQ(counts.airportsAdded, 2u);
    EXPECT_EQ(counts.linesLeftOut, 2u);
    EXPECT_TRUE(database_.unsaved);
    EXPECT_EQ(progress_.Percent(), 100);
    ASSERT_EQ(database_.navaidLines.size(), 2u);
    for (const std::string& line : database_.navaidLines) EXPECT_EQ(line.size(), 171u);
    for (const std::string& line : database_.airportLines) EXPECT_EQ(line.size(), 336u);

    const std::string& vor = database_.navaidLines[0];
    EXPECT_EQ(NavaidCountryOf(vor), "Freedonia");
    EXPECT_EQ(NavaidIdentOf(vor), "SPF");
    char field[64];
    GetNavaidsLat(field, vor.c_str());
    EXPECT_EQ(platform::Trimmed(field), "N047* 30'00.00");
    GetNavaidsLon(field, vor.c_str());
    EXPECT_EQ(platform::Trimmed(field), "W122* 20'50.00");
    GetNavaidsName(field, vor.c_str());
    EXPECT_EQ(platform::Trimmed(field), "Springfield VOR");
    GetNavaidsLat(field, database_.navaidLines[1].c_str());
    EXPECT_EQ(platform::Trimmed(field), "S046* 10'00.00");

    const std::string airport = database_.airportLines[0].substr(0, 335);
    EXPECT_EQ(AirportCountryOf(airport), "Freedonia");
    EXPECT_EQ(AirportIdentOf(airport), "KSPF");
    GetAirportCity(field, airport.c_str());
    EXPECT_EQ(platform::Trimmed(field), "Springfield");
    EXPECT_DOUBLE_EQ(GetAirportRunwayDegree(airport.c_str()), 27.0);
    EXPECT_EQ(GetAirportLenth(airport.c_str()), 9800);
    GetAirportIlsId(field, airport.c_str());
    EXPECT_EQ(platform::Trimmed(field), "ISPF");
}

TEST_F(MergeTest, AddsOnlyWhatIsNotThereAndEveryNewCountry) {
    MergeListings(database_, kNavaids, kAirports, progress_);
    database_.unsaved = false;
    const MergeCounts again = MergeListings(database_, kNavaids, kAirports, progress_);
    EXPECT_EQ(again.navaidsAdded + again.airportsAdded + again.countriesAdded, 0u);
    EXPECT_FALSE(database_.unsaved);
    EXPECT_EQ(database_.countries, (std::vector<navdata::CountryEntry>{{"Freedonia", true}, {"Sylvania", true}}));
}

TEST_F(MergeTest, SortsAirportsByCityAndNavaidsByCountry) {
    database_.countries = {{"Sylvania", true}};
    MergeListings(database_, kNavaids, kAirports, progress_);
    SortBuilderDatabase(database_, progress_);
    EXPECT_EQ(database_.countries.front().name, "Freedonia");
    EXPECT_EQ(progress_.StatusLine(), "Swap Freedonia - Sylvania");
    EXPECT_EQ(NavaidCountryOf(database_.navaidLines.front()), "Freedonia");
    // Equal keys (the same city) keep their order: 27L before 09R.
    EXPECT_DOUBLE_EQ(GetAirportRunwayDegree(database_.airportLines[0].substr(0, 335).c_str()), 27.0);
}

TEST(ListingsMerge, AMissingListingStopsWithItsMessage) {
    platform::testing::TempEnvironment env;
    ScanProgress progress;
    const DatabasePaths paths = DatabasePathsIn("C:\\Quillet\\");
    EXPECT_EQ(RunListingsMerge(paths, progress).message, "An error as occured while opening the\nNavaid text file");
    env.writeFile("drive_c/Quillet/Navaids.txt", kNavaids);
    const MergeReport report = RunListingsMerge(paths, progress);
    EXPECT_FALSE(report.merged);
    EXPECT_EQ(report.message, "An error as occured while opening the\nAirports Text file");
    EXPECT_FALSE(std::filesystem::exists(env.driveC() / "Quillet" / "Country.nav"));
}

TEST(ListingsMerge, MergesIntoTheDatabasesOnDisk) {
    platform::testing::TempEnvironment env;
    env.writeFile("drive_c/Quillet/Navaids.txt", kNavaids);
    env.writeFile("drive_c/Quillet/Airports.txt", kAirports);
    env.writeFile("drive_c/Quillet/Country.nav", "1\r\nAtlantis\t0\r\n");
    ScanProgress progress;
    const MergeReport report = RunListingsMerge(DatabasePathsIn("C:\\Quillet\\"), progress);
    ASSERT_TRUE(report.merged);
    EXPECT_EQ(report.message, "2 lines of the listings could not be read and were left out.");
    EXPECT_EQ(report.database.countries,
              (std::vector<navdata::CountryEntry>{{"Atlantis", false}, {"Freedonia", true}, {"Sylvania", true}}));
    EXPECT_EQ(report.database.navaidLines.size(), 2u);
}

}  // namespace
}  // namespace gathrel
