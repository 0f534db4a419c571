// The scan of a stand-in installation into a temporary drive, read back by the
// planner's loader; and the scans that must keep the old databases.
#include "gathrel/bgl_scan.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <set>
#include <string>
#include <vector>

#include "beaconex/navaid_getters.h"
#include "country_gathering.h"
#include "fsinstall/generated_world.h"
#include "fsinstall/installation.h"
#include "fsinstall/sample_world.h"
#include "map/nav_database.h"
#include "navdata/country_file.h"
#include "navdata/record_lines.h"
#include "platform/message_box.h"
#include "platform/numbers.h"
#include "platform/paths.h"
#include "platform/text.h"
#include "scenrix/scenery_reader.h"
#include "testing/file_size_limit.h"
#include "testing/temp_environment.h"

namespace gathrel {
namespace {

std::string WithoutLineFeed(const std::string& line) { return line.substr(0, line.find('\n')); }

// The planner's navaid list writes its lines again right-justified, with its own number
// texts: the same navaid has the same trimmed texts and the same numbers.
void ExpectSameNavaid(const std::string& loaded, const std::string& scanned) {
    using Getter = void (*)(char*, const char*);
    const Getter texts[] = {GetNavaidsCountry, GetNavaidsType, GetNavaidsID,
                            GetNavaidsLat,     GetNavaidsLon,  GetNavaidsName};
    char a[64], b[64];
    for (Getter get : texts) {
        get(a, loaded.c_str());
        get(b, scanned.c_str());
        EXPECT_EQ(platform::Trimmed(a), platform::Trimmed(b)) << scanned;
    }
    for (Getter get : {GetNavaidsFreq, GetNavaidsElev}) {
        get(a, loaded.c_str());
        get(b, scanned.c_str());
        EXPECT_NEAR(platform::LeadingDouble(a), platform::LeadingDouble(b), 1e-5) << scanned;
    }
}

class ScanTest : public ::testing::Test {
protected:
    // Plain files of airportsPerFile airports each.
    void Install(fsinstall::SimulatorVersion version, const std::string& folder, std::size_t airportsPerFile = 1) {
        fsinstall::InstallationOptions options;
        options.folder = folder;
        options.version = version;
        options.airportsPerFile = airportsPerFile;
        options.navaidsPerFile = 2;  // compressed files
        ASSERT_TRUE(fsinstall::WriteInstallation(options, world_));
    }

    ScanRequest Request(const std::string& sceneryFolder) const {
        return {sceneryFolder, {}, DatabasePathsIn("C:\\Quillet\\")};
    }

    std::string DriveFile(const std::string& relative) const {
        return platform::testing::TempEnvironment::readFile(env_.driveC() / relative);
    }

    platform::testing::TempEnvironment env_;
    platform::MessageBoxRecorder boxes_;
    fsinstall::SceneryContent world_ = fsinstall::SampleWorld();
    ScanProgress progress_;
};

struct InstallCase {
    const char* what;
    fsinstall::SimulatorVersion version;
    const char* folder;
};

const InstallCase kInstalls[] = {
    {"FS2000", fsinstall::SimulatorVersion::Fs2000, "C:\\FS2000\\"},
    {"FS2002", fsinstall::SimulatorVersion::Fs2002, "C:\\Program Files\\FS2002\\"},
};

TEST_F(ScanTest, ThePlannerLoadsWhatTheScanWrote) {
    for (const InstallCase& c : kInstalls) {
        SCOPED_TRACE(c.what);
        Install(c.version, c.folder);
        const ScanReport report = RunBglScan(Request(c.folder), progress_);
        ASSERT_EQ(report.outcome, ScanOutcome::Written);
        std::size_t runways = 0;
        for (const auto& airport : world_.airports) runways += airport.runways.size();
        ASSERT_EQ(report.result.airportLines.size(), runways);
        ASSERT_EQ(report.result.navaidLines.size(), world_.ndbs.size() + world_.vors.size());
        EXPECT_EQ(progress_.Percent(), 100);

        trevalo::ResetLoadError();
        trevalo::NavDatabase database("C:\\Quillet\\");
        EXPECT_EQ(database.LoadAirportFile(), 0);
        EXPECT_EQ(database.LoadNavaidFile(), 0);
        EXPECT_EQ(database.LoadIlsFile(), 0);
        // Every airport is loaded: Country.nav names each country, loaded.
        ASSERT_EQ(database.airportCount, static_cast<int>(runways));
        for (std::size_t i = 0; i < runways; ++i) {
            EXPECT_EQ(database.AirportLine(static_cast<int>(i) + 1), WithoutLineFeed(report.result.airportLines[i]));
        }
        ASSERT_EQ(database.navaidCount, static_cast<int>(report.result.navaidLines.size()));
        for (std::size_t i = 0; i < report.result.navaidLines.size(); ++i) {
            ExpectSameNavaid(database.NavaidLine(static_cast<int>(i) + 1), report.result.navaidLines[i]);
        }
        ASSERT_EQ(report.result.ilsLines.size(), 1u);
        EXPECT_EQ(database.IlsLine(1), report.result.ilsLines[0]);
        EXPECT_TRUE(boxes_.texts().empty());
    }
}

// A generated world whose every third airport has runways without ends, which the
// corrections log records.
fsinstall::SceneryContent WorldWithLoggedRunways(int airports) {
    fsinstall::SceneryContent world = fsinstall::GeneratedWorld(airports);
    for (std::size_t i = 0; i < world.airports.size(); i += 3) {
        for (fsinstall::Runway& runway : world.airports[i].runways) runway.start = runway.end = std::nullopt;
    }
    return world;
}

struct ReadAheadCase {
    const char* what;
    fsinstall::SceneryContent world;
    std::size_t airportsPerFile;
    bool stopAtGoneFile;
};

// Reading files ahead on other threads, and a file's parts on several, changes nothing:
// the lines, their order, the logs and the messages are those of reading the files one
// by one. Copies of the scenery under other names make every line of them known, a file
// gone in the middle shows its message in its place, and a stop asked for then ends the
// scan after it.
TEST_F(ScanTest, FilesReadAheadGiveWhatReadingThemOneByOneGives) {
    const ReadAheadCase cases[] = {
        {"one airport a file", fsinstall::SampleWorld(), 1, false},
        {"files of many parts", WorldWithLoggedRunways(450), 300, false},
        {"stopped at the gone file", WorldWithLoggedRunways(450), 300, true},
    };
    for (const ReadAheadCase& c : cases) {
        SCOPED_TRACE(c.what);
        const std::string folder = "Sim" + std::to_string(&c - cases);
        world_ = c.world;
        Install(fsinstall::SimulatorVersion::Fs2000, "C:\\" + folder, c.airportsPerFile);
        const auto scenery = env_.driveC() / folder / "Scenery" / "World" / "scenery";
        std::vector<std::filesystem::path> originals;
        for (const auto& entry : std::filesystem::directory_iterator(scenery)) originals.push_back(entry.path());
        for (const char* copy : {"again1_", "again2_", "again3_"}) {
            for (const auto& original : originals) {
                std::filesystem::copy_file(original, scenery / (copy + original.filename().string()));
            }
        }
        std::vector<SceneryFile> files = FindSceneryFiles("C:\\" + folder + "\\", {});
        ASSERT_EQ(files.size(), 4 * originals.size());
        const std::size_t gone = files.size() / 2;
        files.insert(files.begin() + static_cast<std::ptrdiff_t>(gone), {"C:\\gone.bgl", 0});

        ScanProgress progress;
        const platform::MessageBoxHandler recorder =
            platform::SetMessageBoxHandler([&](const platform::MessageBoxRequest& request) {
                if (c.stopAtGoneFile) progress.RequestStop();
                return recorder(request);
            });
        const ScanResult scan = ScanScenery(files, progress);
        platform::SetMessageBoxHandler(recorder);
        const std::vector<std::string> scanMessages = boxes_.texts();
        const std::string scanLog = DriveFile("QuilletCorrect.nav");
        std::filesystem::remove(env_.driveC() / "QuilletCorrect.nav");
        boxes_.clear();

        if (c.stopAtGoneFile) files.resize(gone + 1);
        std::vector<std::string> ils, navaids, airports, knownNavaids, knownAirports;
        for (const SceneryFile& file : files) {
            LoadDLLBGL(file.path.c_str(), ils, navaids, airports, knownNavaids, knownAirports);
            knownNavaids.insert(knownNavaids.end(), navaids.begin(), navaids.end());
            knownAirports.insert(knownAirports.end(), airports.begin(), airports.end());
        }
        EXPECT_EQ(scan.navaidLines, knownNavaids);
        EXPECT_EQ(scan.airportLines, knownAirports);
        EXPECT_EQ(scan.ilsLines, ils);
        EXPECT_EQ(scanLog, DriveFile("QuilletCorrect.nav"));
        EXPECT_EQ(scanMessages, boxes_.texts());
        EXPECT_EQ(scanMessages.size(), 1u);
        EXPECT_EQ(scan.filesRead, files.size());
        EXPECT_EQ(scan.stopped, c.stopAtGoneFile);
        std::filesystem::remove(env_.driveC() / "QuilletCorrect.nav");
        boxes_.clear();
    }
}

// A long list: a country met only once, wherever it stands, is found, and each once.
TEST(CountryGatheringTest, LongListsFindEveryCountryOnce) {
    constexpr int kLines = 70000;
    std::vector<std::string> lines;
    std::set<std::string> expected;
    for (int i = 0; i < kLines; ++i) {
        const std::string country = i % 997 == 0 || i == kLines - 1 ? "Land " + std::to_string(i) : "Common";
        lines.push_back(navdata::ComposeAirportLine({.country = country, .ident = "X"}) + '\n');
        expected.insert(country);
    }
    CountryGathering gathering;
    gathering.Add(lines, 0);
    EXPECT_EQ(gathering.Countries(), std::vector<std::string>(expected.begin(), expected.end()));
}

// The countries gathered on a thread of their own while the list grows file by file
// (and moves its lines) are those of the whole list; short lines hold none.
TEST(CountryGatheringTest, GathersTheCountriesOfTheListAsItGrows) {
    std::vector<std::string> lines;
    std::set<std::string> expected;
    CountryGathering gathering;
    for (int file = 0; file < 40; ++file) {
        const std::size_t before = lines.size();
        for (int i = 0; i < 250; ++i) {
            const std::string country = "Land " + std::to_string((file * 250 + i) / 3 % 701);
            lines.push_back(navdata::ComposeAirportLine({.country = country, .ident = "X"}) + '\n');
            expected.insert(country);
        }
        lines.emplace_back("short");
        gathering.Add(lines, before);
    }
    const std::vector<std::string> countries = gathering.Countries();
    EXPECT_EQ(countries.size(), 701u);
    EXPECT_EQ(countries, std::vector<std::string>(expected.begin(), expected.end()));
}

TEST_F(ScanTest, CountryFileListsEachCountryOnceSortedAndLoaded) {
    Install(fsinstall::SimulatorVersion::Fs2000, "C:\\FS2000");
    ASSERT_EQ(RunBglScan(Request("C:\\FS2000"), progress_).outcome, ScanOutcome::Written);
    std::vector<navdata::CountryEntry> entries;
    ASSERT_TRUE(navdata::ReadCountryFile("C:\\Quillet\\Country.nav", entries));
    std::vector<navdata::CountryEntry> expected;
    for (const auto& airport : world_.airports) expected.push_back({airport.country, true});
    std::sort(expected.begin(), expected.end(), [](auto& a, auto& b) { return a.name < b.name; });
    expected.erase(std::unique(expected.begin(), expected.end()), expected.end());
    EXPECT_EQ(entries, expected);
    EXPECT_EQ(DriveFile("Quillet/Country.nav").substr(0, 3), std::to_string(expected.size()) + "\r\n");
}

// A scan is found first and written only when asked to: its status names each file as it
// is saved, and the files hold what it found, as counted before a question.
TEST_F(ScanTest, AFoundScanIsWrittenWhenAskedNamingEachFile) {
    Install(fsinstall::SimulatorVersion::Fs2000, "C:\\FS2000");
    const DatabasePaths paths = DatabasePathsIn("C:\\Quillet\\");
    ScanReport report = ScanForDatabases(Request("C:\\FS2000"), progress_);
    ASSERT_EQ(report.outcome, ScanOutcome::Found);
    EXPECT_FALSE(std::filesystem::exists(env_.driveC() / "Quillet"));
    EXPECT_EQ(CountDatabaseRecords(paths), DatabaseCounts{});

    std::vector<std::string> statuses;
    progress_.SetStatusListener([&](const std::string& status) { statuses.push_back(status); });
    WriteScanReport(report, paths, progress_);
    ASSERT_EQ(report.outcome, ScanOutcome::Written);
    EXPECT_EQ(statuses, (std::vector<std::string>{"Saving Data to File. Please wait (ILS)",
                                                  "Saving Data to File. Please wait (NAV)",
                                                  "Saving Data to File. Please wait (AIRP)"}));
    const DatabaseCounts found = CountsOf(report.result);
    EXPECT_GT(found.airports * found.navaids * found.ils * found.countries, 0u);
    EXPECT_EQ(CountDatabaseRecords(paths), found);
}

const char* const kOldFiles[] = {"Quillet/Airport.nav", "Quillet/Navaids.nav", "Quillet/Ils.nav",
                                 "Quillet/Country.nav"};

class KeptDatabasesTest : public ScanTest {
protected:
    void SetUp() override {
        for (const char* file : kOldFiles) env_.writeFile(std::string("drive_c/") + file, std::string("old ") + file);
    }
    void ExpectOldFilesKept() {
        for (const char* file : kOldFiles) EXPECT_EQ(DriveFile(file), std::string("old ") + file) << file;
    }
};

TEST_F(KeptDatabasesTest, AScanThatFindsNoSceneryKeepsThemAndSaysSo) {
    const ScanReport report = RunBglScan(Request(""), progress_);
    EXPECT_EQ(report.outcome, ScanOutcome::NothingFound);
    EXPECT_NE(ScanOutcomeMessage(report).find("left as they were"), std::string::npos);
    ExpectOldFilesKept();
    EXPECT_EQ(progress_.Percent(), 0);  // no byte to read, no division by it
}

TEST_F(KeptDatabasesTest, AStoppedScanWritesNothing) {
    Install(fsinstall::SimulatorVersion::Fs2000, "C:\\FS2000");
    progress_.RequestStop();
    EXPECT_EQ(RunBglScan(Request("C:\\FS2000"), progress_).outcome, ScanOutcome::Stopped);
    ExpectOldFilesKept();
}

TEST_F(KeptDatabasesTest, AFailedWriteKeepsAllFourAndNamesTheFile) {
    Install(fsinstall::SimulatorVersion::Fs2000, "C:\\FS2000");
    // Ils.nav fits below the limit, Navaids.nav does not: nothing may be renamed.
    const auto outcome = platform::testing::RunWithFileSizeLimit(
        1000, platform::testing::AtFileSizeLimit::WriteFails, [&](std::string& report) {
            ScanProgress progress;
            const ScanReport scan = RunBglScan(Request("C:\\FS2000"), progress);
            report = ScanOutcomeMessage(scan);
            return scan.outcome == ScanOutcome::WriteFailed ? 0 : 1;
        });
    EXPECT_EQ(outcome.exitCode, 0);
    EXPECT_NE(outcome.report.find("C:\\Quillet\\Navaids.nav"), std::string::npos) << outcome.report;
    ExpectOldFilesKept();
}

TEST_F(ScanTest, EachFileNameIsReadOnceAndLinksAreNotFollowed) {
    Install(fsinstall::SimulatorVersion::Fs2000, "C:\\FS2000");
    const auto scenery = env_.driveC() / "FS2000" / "Scenery";
    // A copy of the tree under another folder, and a link back up to the top.
    std::filesystem::copy(scenery / "World", scenery / "Copy", std::filesystem::copy_options::recursive);
    std::filesystem::create_directory_symlink(env_.driveC() / "FS2000", scenery / "Loop");
    const std::vector<SceneryFile> files = FindSceneryFiles("C:\\FS2000\\", {});
    std::set<std::string> names;
    for (const SceneryFile& file : files) {
        EXPECT_TRUE(names.insert(platform::WindowsNamePart(file.path)).second) << file.path;
        EXPECT_EQ(file.path.find("Loop"), std::string::npos) << file.path;
    }
    EXPECT_FALSE(files.empty());
}

TEST_F(ScanTest, TheCdRomDrivesAreReadAfterTheSimulator) {
    Install(fsinstall::SimulatorVersion::Fs2000, "D:\\FS2000");
    EXPECT_TRUE(FindSceneryFiles("", {}).empty());
    const std::vector<SceneryFile> files = FindSceneryFiles("", {"D:"});
    ASSERT_FALSE(files.empty());
    for (const SceneryFile& file : files) EXPECT_EQ(file.path.rfind("D:\\FS2000\\", 0), 0u) << file.path;
}

}  // namespace
}  // namespace gathrel
