// Damaged and unusual scenery: truncated files, sizes that would loop, records before
// any runway, key tables past 50,000 entries, control characters in texts.
#include <gtest/gtest.h>

#include "airport_facility.h"
#include "facility_section.h"
#include "fsinstall/sample_world.h"
#include "fsinstall/scenery_writer.h"
#include "scenery_scan.h"
#include "scenery_test_support.h"
#include "scenrix/scenery_layout.h"

namespace scenrix::testing {
namespace {

namespace layout = scenrix::scenery;
using Bytes = std::vector<std::uint8_t>;

void PutU32(Bytes& bytes, std::uint32_t v) {
    for (int i = 0; i < 4; ++i) bytes.push_back(static_cast<std::uint8_t>(v >> (8 * i)));
}

// An airport record of the given type and stored length, its data zeros up to size.
Bytes Record(std::uint32_t type, std::uint32_t storedLength, std::size_t size) {
    Bytes bytes;
    PutU32(bytes, type);
    PutU32(bytes, storedLength);
    bytes.resize(std::max<std::size_t>(size, bytes.size()), 0);
    return bytes;
}

Bytes Join(std::initializer_list<Bytes> parts) {
    Bytes all;
    for (const Bytes& part : parts) all.insert(all.end(), part.begin(), part.end());
    return all;
}

class SceneryFaultsTest : public SceneryReaderFixture {
protected:
    // Runs ParseAirportFacility over records and gathers what it adds.
    void ParseAirport(const Bytes& records) {
        detail::SceneryScan scan;
        detail::ParseAirportFacility(detail::SceneryBytes(records.data(), records.size()), detail::AirportTexts(),
                                     scan);
        scan.AddUnknownLines(indexes_, navaids_, airports_, knownNavaids_, knownAirports_, ils_);
    }

    detail::KnownLineIndexes indexes_;
};

TEST_F(SceneryFaultsTest, TruncatedFilesYieldWhatTheyHold) {
    fsinstall::SceneryContent world = fsinstall::SampleWorld();
    const Bytes whole = fsinstall::WriteSceneryFile(world, fsinstall::Compression::Plain);
    Read(whole);
    const std::size_t navaidCount = navaids_.size();
    const std::size_t airportCount = airports_.size();
    ASSERT_GT(navaidCount, 0u);
    ASSERT_GT(airportCount, 0u);
    for (std::size_t length = 0; length < whole.size(); length += 3) {
        Read(Bytes(whole.begin(), whole.begin() + length));
        EXPECT_LE(navaids_.size(), navaidCount) << length;
        EXPECT_LE(airports_.size(), airportCount) << length;
        for (const std::string& line : navaids_) EXPECT_EQ(line.size(), 171u) << length;
        for (const std::string& line : airports_) EXPECT_EQ(line.size(), 336u) << length;
    }
    EXPECT_TRUE(boxes_.texts().empty());
}

TEST_F(SceneryFaultsTest, RecordSizeBelowItsHeaderEndsTheRecords) {
    const Bytes runway = Record(layout::kRunwayRecord, layout::kRunwayRecordLength, layout::kRunwayRecordLength);
    for (std::uint32_t stored : {0u, 4u, 7u}) {
        ParseAirport(Join({Record(layout::kPositionRecord, stored, 24), runway}));
        EXPECT_TRUE(airports_.empty()) << stored;
    }
    // A record reaching past the airport's data ends them too.
    ParseAirport(Join({runway, Record(layout::kRunwayRecord, 1000, layout::kRunwayRecordLength)}));
    EXPECT_EQ(airports_.size(), 1u);
}

TEST_F(SceneryFaultsTest, ItemOrBlockSizeBelowItsHeaderEndsTheSection) {
    // One block holding two items; the first item's stored length (less 8) is 0.
    Bytes block(layout::kFacilityBlockHeaderLength, 0);
    block[0] = layout::kFacilityBlockMark;
    block[layout::kFacilityItemCountField] = 2;
    Bytes item(layout::kItemHeaderLength, 0);
    block.insert(block.end(), item.begin(), item.end());
    block.insert(block.end(), item.begin(), item.end());
    block[layout::kFacilityBlockLengthField] = static_cast<std::uint8_t>(block.size() - layout::kFacilityBlockExtra);
    detail::SceneryScan scan;
    detail::ReadFacilitySection(detail::SceneryBytes(block.data(), block.size()), 0, scan);
    // A block length of 0 leaves no room for its own header.
    block[layout::kFacilityBlockLengthField] = 0;
    detail::ReadFacilitySection(detail::SceneryBytes(block.data(), block.size()), 0, scan);
    scan.AddUnknownLines(indexes_, navaids_, airports_, knownNavaids_, knownAirports_, ils_);
    EXPECT_TRUE(airports_.empty());
}

TEST_F(SceneryFaultsTest, CommunicationAndIlsBeforeAnyRunwayAreIgnored) {
    Bytes com =
        Record(layout::kCommunicationRecord, layout::kCommunicationRecordLength, layout::kCommunicationRecordLength);
    com[layout::kCommunicationFrequencyField + 3] = 0x01;  // 118.25 MHz packed
    com[layout::kCommunicationFrequencyField + 2] = 0x18;
    com[layout::kCommunicationFrequencyField + 1] = 0x25;
    com[layout::kCommunicationKindField] = layout::kAtisKind;
    const Bytes ils = Record(layout::kIlsRecord, 64, 64);
    const Bytes runway = Record(layout::kRunwayRecord, layout::kRunwayRecordLength, layout::kRunwayRecordLength);
    ParseAirport(Join({com, ils, runway}));
    ASSERT_EQ(airports_.size(), 1u);
    EXPECT_EQ(airports_[0].substr(185, 10), std::string(10, ' '));
    EXPECT_TRUE(ils_.empty());
    // After the runway the same records count.
    ParseAirport(Join({runway, com, ils}));
    EXPECT_EQ(airports_[0].substr(185, 10), "118.250000");
    EXPECT_EQ(ils_.size(), 1u);
}

TEST_F(SceneryFaultsTest, KeyTablesGrowPastFiftyThousandEntries) {
    const Bytes file = fsinstall::WriteSceneryFile(fsinstall::SampleWorld(), fsinstall::Compression::Plain);
    Read(file);
    const std::vector<std::string> lines = navaids_;
    const std::vector<std::string> runways = airports_;
    knownNavaids_.clear();
    for (int i = 0; i < 60000; ++i) {
        std::string filler = lines[0];
        filler.replace(33, 10, std::to_string(i) + "Q" + std::string(9 - std::to_string(i).size(), ' '));
        knownNavaids_.push_back(filler);
    }
    knownNavaids_.push_back(lines.back());  // past entry 50,000
    knownAirports_.assign(55000, runways[0]);
    knownAirports_.push_back(runways.back());
    Read(file);
    EXPECT_EQ(navaids_.size(), lines.size() - 1);
    EXPECT_EQ(std::count(navaids_.begin(), navaids_.end(), lines.back()), 0);
    EXPECT_EQ(std::count(airports_.begin(), airports_.end(), runways.back()), 0);
}

TEST_F(SceneryFaultsTest, TextsStopAtZeroAndLoseControlCharacters) {
    fsinstall::SceneryContent content;
    content.ndbs = {{std::string("A\tB"), std::string("X\r\nY\0Z", 6), 300.0, 1.0, 2.0, 10}};
    Read(fsinstall::WriteSceneryFile(content, fsinstall::Compression::Plain));
    ASSERT_EQ(navaids_.size(), 1u);
    const std::string& line = navaids_[0];
    ASSERT_EQ(line.size(), 171u);
    EXPECT_EQ(line.find('\n'), 170u);
    EXPECT_EQ(line.substr(33, 10), "A B       ");
    EXPECT_EQ(line.substr(120, 50), "X  Y" + std::string(46, ' '));
}

}  // namespace
}  // namespace scenrix::testing
