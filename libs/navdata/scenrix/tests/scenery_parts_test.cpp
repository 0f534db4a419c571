// A scenery file of many airports read by parts: read out of order on several threads
// they give the lines and logs of reading the file at once, and an airport takes the
// country and city items before it even where those lie in an earlier part.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <thread>
#include <vector>

#include "aerodrex/airport_getters.h"
#include "fsinstall/sample_world.h"
#include "fsinstall/scenery_writer.h"
#include "kept_scans.h"
#include "platform/text.h"
#include "scenery_bytes.h"
#include "scenery_test_support.h"
#include "scenrix/scenery_layout.h"

namespace scenrix::testing {
namespace {

namespace layout = scenrix::scenery;
using Bytes = std::vector<std::uint8_t>;

constexpr int kAirports = 300;
constexpr int kAirportsPerCountry = 37;  // the countries change inside the parts

std::string CountryOf(int airport) { return "Land " + std::to_string(airport / kAirportsPerCountry); }

// Airports with one runway each and no runway ends, so that every runway is logged,
// beside the sample world's navaids.
fsinstall::SceneryContent ManyAirports() {
    fsinstall::SceneryContent world = fsinstall::SampleWorld();
    const fsinstall::Airport sample = world.airports.front();
    world.airports.clear();
    for (int i = 0; i < kAirports; ++i) {
        fsinstall::Airport airport = sample;
        airport.ident = "A" + std::to_string(i);
        airport.country = CountryOf(i);
        airport.latitude += i * 0.01;
        airport.runways.resize(1);
        airport.runways[0].start.reset();
        airport.runways[0].end.reset();
        world.airports.push_back(airport);
    }
    return world;
}

// Gives every country item but the first of each country a type the reader passes
// over, so that the airports after it take the country named before.
void KeepFirstCountryItems(Bytes& file) {
    const detail::SceneryBytes data(file.data(), file.size());
    std::size_t block = data.U32(layout::kFacilitySectionField);
    for (int airport = 0; data.U16(block) == layout::kFacilityBlockMark; ++airport) {
        const std::size_t item = block + layout::kFacilityBlockHeaderLength;
        ASSERT_EQ(data.U32(item + layout::kItemTypeField), layout::kCountryItem);
        if (airport % kAirportsPerCountry != 0) file[item + layout::kItemTypeField] = 0;
        block += data.U32(block + layout::kFacilityBlockLengthField) + layout::kFacilityBlockExtra;
    }
}

class SceneryPartsTest : public SceneryReaderFixture {};

TEST_F(SceneryPartsTest, PartsReadOutOfOrderOnThreadsGiveTheLinesOfOneRead) {
    Bytes file = fsinstall::WriteSceneryFile(ManyAirports(), fsinstall::Compression::Plain);
    KeepFirstCountryItems(file);
    Read(file);
    ASSERT_EQ(airports_.size(), static_cast<std::size_t>(kAirports));
    for (int i = 0; i < kAirports; ++i) {
        char country[31];
        GetAirportCountry(country, airports_[i].substr(0, airports_[i].size() - 1).c_str());
        EXPECT_EQ(platform::Trimmed(country), CountryOf(i)) << i;
    }
    const std::string log = ReadLog("QuilletCorrect.nav");
    EXPECT_EQ(std::count(log.begin(), log.end(), '\n'), 4 * kAirports);
    const std::vector<std::string> navaids = navaids_, airports = airports_;
    std::filesystem::remove(env_.driveC() / "QuilletCorrect.nav");

    SceneryFileRead parts = SceneryFileRead::Opened("C:\\test.bgl", 8);
    ASSERT_GT(parts.PartCount(), 3u);  // several runs of airports beside the two navaid sections
    std::vector<std::thread> readers;
    for (std::size_t part = parts.PartCount(); part-- > 0;) readers.emplace_back([&, part] { parts.ReadPart(part); });
    for (std::thread& reader : readers) reader.join();
    std::vector<std::string> ils, knownNavaids, knownAirports;
    AddSceneryFile(parts, ils, navaids_, airports_, knownNavaids, knownAirports);
    EXPECT_EQ(navaids_, navaids);
    EXPECT_EQ(airports_, airports);
    EXPECT_EQ(ils, ils_);
    EXPECT_EQ(ReadLog("QuilletCorrect.nav"), log);
    EXPECT_TRUE(boxes_.texts().empty());
}

// Runways of one file are tested against the known lines alone, so airports that share
// an ident keep every runway wherever the parts split them; the lines known drop.
TEST_F(SceneryPartsTest, AirportsSharingAnIdentInSeveralPartsAreAllKept) {
    fsinstall::SceneryContent world = ManyAirports();
    for (fsinstall::Airport& airport : world.airports) airport.ident = "SAME";
    env_.writeFile("drive_c/test.bgl", [&] {
        const Bytes file = fsinstall::WriteSceneryFile(world, fsinstall::Compression::Plain);
        return std::string(file.begin(), file.end());
    }());
    std::vector<std::string> ils, knownNavaids, knownAirports;
    for (const std::size_t knownCount : {std::size_t{0}, std::size_t{1}}) {
        SceneryFileRead parts = SceneryFileRead::Opened("C:\\test.bgl", 8);
        ASSERT_GT(parts.PartCount(), 3u);
        for (std::size_t part = 0; part < parts.PartCount(); ++part) parts.ReadPart(part);
        AddSceneryFile(parts, ils, navaids_, airports_, knownNavaids, knownAirports);
        EXPECT_EQ(airports_.size(), knownCount == 0 ? static_cast<std::size_t>(kAirports) : 0u) << knownCount;
        // One known runway of the ident: every runway of it is known.
        knownAirports.assign(airports_.begin(), airports_.begin() + std::min<std::size_t>(1, airports_.size()));
    }
}

// The scans of parts are kept for the files read next: one taken again holds no line
// and no log of the file before.
TEST(KeptScansTest, AScanTakenAgainHoldsNothingOfItsFile) {
    detail::SceneryScan scan;
    scan.AddNavaidLine("NDB line");
    scan.AddIlsLine("ILS line");
    scan.Logs().corrections = "correction";
    scan.Logs().invalidRunways = "invalid";
    detail::KeepScan(std::move(scan));
    detail::SceneryScan again = detail::TakeKeptScan();
    EXPECT_TRUE(again.Logs().corrections.empty());
    EXPECT_TRUE(again.Logs().invalidRunways.empty());
    detail::KnownLineIndexes indexes;
    std::vector<std::string> navaids, airports, known, ils;
    again.AddUnknownLines(indexes, navaids, airports, known, known, ils);
    EXPECT_TRUE(navaids.empty());
    EXPECT_TRUE(ils.empty());
}

}  // namespace
}  // namespace scenrix::testing
