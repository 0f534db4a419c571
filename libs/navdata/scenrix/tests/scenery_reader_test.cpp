// LoadDLLBGL over stand-in scenery files: the lines, their columns, the duplicate
// tests, the two logs and the messages.
#include <gtest/gtest.h>

#include "fsinstall/sample_world.h"
#include "fsinstall/scenery_writer.h"
#include "navdata/angle_text.h"
#include "scenery_test_support.h"

namespace scenrix::testing {
namespace {

using fsinstall::Compression;
using fsinstall::SceneryContent;
using fsinstall::WriteSceneryFile;

constexpr const char* kUnreadableMessage =
    "The system tried to read a file that has been deleted or the\nAccess has been denied.\n"
    "Please ensure that no disk is removed while the system is searching\n";

std::string Padded(const std::string& text, std::size_t width) { return text + std::string(width - text.size(), ' '); }

SceneryContent Navaids() {
    SceneryContent content = fsinstall::SampleWorld();
    content.airports.clear();
    return content;
}

class SceneryReaderTest : public SceneryReaderFixture {};

TEST_F(SceneryReaderTest, NavaidLinesKeepTheirColumns) {
    Read(WriteSceneryFile(Navaids(), Compression::Plain));
    struct Expected {
        const char* typeIdentFrequency;  // columns 30 to 62
        const char* elevation;           // columns 105 to 119
        const char* name;
        double latitude, longitude;
    } expected[] = {
        {"NDBSPF       352.50000           ", "393", "SPRINGFIELD", 47.5, -122.3},
        {"NDBOKE       1023.00000          ", "1335", "OAKEY", -27.41, 151.73},
        {"GPSWPT1      0.00000             ", "0", "WAYPOINT ONE", 10.25, 20.75},
        {"ILSISPF      110.30000           ", "426", "SPRINGFIELD ILS 16L", 47.45, -122.30},
        {"ILSIOKE      112.50000           ", "1312", "OAKEY ILS 14", -27.40, 151.74},
        {"VORSEA       114.30000           ", "360", "SEATTLE", 47.435, -122.31},
        {"VORPAE       115.00000           ", "590", "PAINE", 47.92, -122.28},
    };
    ASSERT_EQ(navaids_.size(), std::size(expected));
    for (std::size_t i = 0; i < navaids_.size(); ++i) {
        const std::string& line = navaids_[i];
        ASSERT_EQ(line.size(), 171u) << i;
        EXPECT_EQ(line.substr(0, 30), std::string(30, ' '));
        EXPECT_EQ(line.substr(30, 33), expected[i].typeIdentFrequency);
        EXPECT_NEAR(AngleTextToDegrees(line.substr(63, 21).c_str()), expected[i].latitude, 2e-5) << i;
        EXPECT_NEAR(-AngleTextToDegrees(line.substr(84, 21).c_str()), expected[i].longitude, 2e-5) << i;
        EXPECT_EQ(line.substr(105, 15), Padded(expected[i].elevation, 15));
        EXPECT_EQ(line.substr(120), Padded(expected[i].name, 50) + "\n");
    }
    EXPECT_TRUE(boxes_.texts().empty());
}

TEST_F(SceneryReaderTest, CompressedAndPlainFilesGiveTheSameLines) {
    Read(WriteSceneryFile(Navaids(), Compression::Plain));
    const std::vector<std::string> plain = navaids_;
    Read(WriteSceneryFile(Navaids(), Compression::Compressed));
    EXPECT_EQ(navaids_, plain);
    EXPECT_TRUE(boxes_.texts().empty());
}

TEST_F(SceneryReaderTest, FileWithoutSectionsYieldsNothing) {
    ils_ = {"earlier ILS line"};
    navaids_ = {"left from the last file\n"};
    airports_ = {"left from the last file\n"};
    Read(WriteSceneryFile(SceneryContent{}, Compression::Plain));
    EXPECT_TRUE(navaids_.empty());
    EXPECT_TRUE(airports_.empty());
    EXPECT_EQ(ils_, std::vector<std::string>{"earlier ILS line"});
}

TEST_F(SceneryReaderTest, KnownNavaidIsNotAddedAgain) {
    Read(WriteSceneryFile(Navaids(), Compression::Plain));
    const std::string seattle = navaids_[5];
    knownNavaids_ = {seattle};
    Read(WriteSceneryFile(Navaids(), Compression::Plain));
    EXPECT_EQ(navaids_.size(), 6u);
    EXPECT_EQ(std::count(navaids_.begin(), navaids_.end(), seattle), 0);

    // Another frequency is another navaid.
    std::string moved = seattle;
    moved.replace(43, 9, "114.35000");
    knownNavaids_ = {moved};
    Read(WriteSceneryFile(Navaids(), Compression::Plain));
    EXPECT_EQ(navaids_.size(), 7u);
}

// As the builder scans: the known lines grow from file to file and are emptied
// between scans; each reading skips exactly the lines known at that time.
TEST_F(SceneryReaderTest, KnownLinesFollowTheBuildersScans) {
    const std::vector<std::uint8_t> file = WriteSceneryFile(fsinstall::SampleWorld(), Compression::Plain);
    for (int scan = 0; scan < 2; ++scan) {
        knownNavaids_.clear();
        knownAirports_.clear();
        ils_.clear();
        Read(file);
        const std::size_t navaidCount = navaids_.size();
        const std::size_t airportCount = airports_.size();
        const std::size_t ilsCount = ils_.size();
        ASSERT_GT(navaidCount, 1u);
        ASSERT_GT(airportCount, 1u);
        ASSERT_GT(ilsCount, 0u);
        // The first half of the lines joins the known ones: the second reading yields the rest.
        knownNavaids_.assign(navaids_.begin(), navaids_.begin() + navaidCount / 2);
        knownAirports_.assign(airports_.begin(), airports_.begin() + airportCount / 2);
        Read(file);
        EXPECT_EQ(navaids_.size(), navaidCount - navaidCount / 2) << scan;
        EXPECT_EQ(airports_.size(), airportCount - airportCount / 2) << scan;
        EXPECT_EQ(ils_.size(), ilsCount) << scan;
        knownNavaids_.insert(knownNavaids_.end(), navaids_.begin(), navaids_.end());
        knownAirports_.insert(knownAirports_.end(), airports_.begin(), airports_.end());
        Read(file);
        EXPECT_TRUE(navaids_.empty()) << scan;
        EXPECT_TRUE(airports_.empty()) << scan;
    }
}

TEST_F(SceneryReaderTest, AirportLinesKeepTheirColumns) {
    SceneryContent content = fsinstall::SampleWorld();
    content.airports.resize(1);  // Springfield: two runways, an ILS, ATIS on the first
    Read(WriteSceneryFile(content, Compression::Plain));
    ASSERT_EQ(airports_.size(), 2u);
    struct Expected {
        const char* headingLengthSurface;  // columns 195 to 224
        const char* side;                  // columns 245 to 254
    } expected[] = {{"160.09800           Asphalt   ", "L-5.000000"}, {"160.08500           Asphalt   ", "R-5.000000"}};
    for (std::size_t i = 0; i < 2; ++i) {
        const std::string& line = airports_[i];
        ASSERT_EQ(line.size(), 336u);
        EXPECT_EQ(line.substr(0, 130), Padded("Springfield", 40) + Padded("Freedonia", 30) +
                                           Padded("Springfield Regional", 50) + Padded("KSPF", 10));
        EXPECT_EQ(line.substr(130, 15), "434.711286     ");
        EXPECT_EQ(line.substr(185, 10), "118.250000");  // lent to the second runway
        EXPECT_EQ(line.substr(195, 30), expected[i].headingLengthSurface);
        EXPECT_EQ(line.substr(225, 20), std::string(20, ' '));
        EXPECT_EQ(line.substr(245, 10), expected[i].side);
        EXPECT_EQ(line.back(), '\n');
    }
    ASSERT_EQ(ils_.size(), 1u);
    const std::string& ils = ils_[0];
    ASSERT_EQ(ils.size(), 92u);
    EXPECT_EQ(ils.substr(0, 22), "4 ISPF      KSPF      ");
    EXPECT_NEAR(AngleTextToDegrees(ils.substr(22, 20).c_str()), 47.44, 2e-5);
    EXPECT_EQ(ils.substr(62), "110.300000160.000000L-5.000000");
    // Every end was in the scenery: nothing computed, nothing logged.
    EXPECT_FALSE(std::filesystem::exists(env_.driveC() / "QuilletCorrect.nav"));
    EXPECT_FALSE(std::filesystem::exists(env_.driveC() / "Invalid.txt"));
}

TEST_F(SceneryReaderTest, MissingEndsAreComputedAndLogged) {
    SceneryContent content = fsinstall::SampleWorld();
    content.airports.erase(content.airports.begin());  // Oakey: its cross runway has no ends
    Read(WriteSceneryFile(content, Compression::Plain));
    ASSERT_EQ(airports_.size(), 2u);
    const std::string& cross = airports_[1];
    EXPECT_EQ(cross.substr(195, 5), "50.00");
    for (std::size_t column : {255u, 275u, 295u, 315u}) {
        EXPECT_NE(cross.substr(column, 20), std::string(20, ' ')) << column;
    }
    // The end lies north-east of the centre along the runway.
    EXPECT_GT(AngleTextToDegrees(cross.substr(275, 20).c_str()), AngleTextToDegrees(cross.substr(145, 20).c_str()));
    const std::string log = ReadLog("QuilletCorrect.nav");
    // Side field "-5.000000": the variation read from its second character is 5.
    EXPECT_EQ(log.substr(0, 18), "id=YBOK\r\nrn= 5\r\nla") << log;
    EXPECT_EQ(std::count(log.begin(), log.end(), '\n'), 4);
}

TEST_F(SceneryReaderTest, UnmatchedRunwayStartIsLogged) {
    SceneryContent content = fsinstall::SampleWorld();
    content.airports.erase(content.airports.begin());
    fsinstall::Runway& cross = content.airports[0].runways[1];
    cross.start = fsinstall::RunwayEnd{-27.40, 151.74, 200.0};  // fits neither 50 nor 230
    Read(WriteSceneryFile(content, Compression::Plain));
    EXPECT_EQ(ReadLog("Invalid.txt"), "YBOK , 05/23,      200.000000\r\n");
    ASSERT_EQ(airports_.size(), 2u);
    EXPECT_EQ(airports_[1].substr(195, 5), "200.0");
}

TEST_F(SceneryReaderTest, UnreadableFilesAreReported) {
    std::vector<std::uint8_t> wrongSize = WriteSceneryFile(Navaids(), Compression::Compressed);
    wrongSize[168 + 4] += 1;  // stored inflated size
    std::vector<std::uint8_t> wrongCheck = WriteSceneryFile(Navaids(), Compression::Compressed);
    wrongCheck[168 + 8] ^= 1;
    std::vector<std::uint8_t> noCheck = WriteSceneryFile(Navaids(), Compression::Compressed);
    std::fill(noCheck.begin() + 168 + 8, noCheck.begin() + 168 + 12, 0);

    for (const auto& bytes : {wrongSize, wrongCheck}) {
        boxes_.clear();
        Read(bytes);
        EXPECT_TRUE(navaids_.empty());
        ASSERT_EQ(boxes_.shown().size(), 1u);
        EXPECT_EQ(boxes_.shown()[0].text, kUnreadableMessage);
        EXPECT_EQ(boxes_.shown()[0].icon, platform::MbIcon::Information);
    }
    boxes_.clear();
    Read(noCheck);  // a stored check of 0 passes
    EXPECT_EQ(navaids_.size(), 7u);
    ReadPath("C:\\missing.bgl");
    EXPECT_EQ(boxes_.texts(), std::vector<std::string>{kUnreadableMessage});
}

}  // namespace
}  // namespace scenrix::testing
