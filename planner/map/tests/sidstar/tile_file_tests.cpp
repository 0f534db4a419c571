#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <fstream>

#include "map/sidstar_tile_file.h"
#include "map/sidstar_tile_writer.h"
#include "platform/message_box.h"
#include "testing/temp_environment.h"

namespace trevalo {
namespace {

std::string Leg(int n, const char* word) {
    return "t0" + std::to_string(n) + "=N:" + word +
           ":47.000000:122.000000:0.00:250.00:0.00:5000.00:0.00::0.000000:0.000000:0.00:0.00::0.000000:0.000000::";
}

std::string Record(const char* number, const char* airport, const char* runway, const char* ident,
                   std::initializer_list<const char*> legWords) {
    std::string text = std::string("[") + number + "]\naid=" + airport + "\nrnw=" + runway +
                       "\nanm=SEATTLE TACOMA\ncou=USA\naut=me\ntyp=SID\ntid=" + ident + "\ntnm=" + ident +
                       " DEPARTURE\ntmv=-20.000000\n";
    int n = 1;
    for (const char* word : legWords) text += Leg(n++, word) + "\n";
    return text;
}

// One cell as the planner has always written it: records appended after a blank line,
// every runway numbering its own records from 1.
std::string SharedCell() {
    return Record("001", "KSEA", "L16", "SEA1", {"A1", "A2"}) + "\n" + Record("001", "KSEA", "R34", "SEA9", {"B1"}) +
           "\n" + Record("002", "KSEA", "L16", "SEA2", {"C1", "C2", "C3"}) + "\n" +
           Record("001", "KBFI", "L16", "BFI1", {"D1"}) + "\n" + Record("003", "KSEA", "L16", "SEA3", {"E1"}) + "\n" +
           Record("004", "KSEA", "L16", "SEA4", {"F1"});
}

std::vector<std::string> Words(const TileRecord* record) {
    std::vector<std::string> words;
    if (record == nullptr) return {"(none)"};
    for (const ProcedureLeg& leg : record->procedure.legs) words.push_back(leg.word);
    return words;
}

// What each record of the cell reads as: "airport runway number ident legs...".
std::vector<std::string> Summary(const TileContents& contents) {
    std::vector<std::string> rows;
    for (const TileRecord& record : contents.records) {
        const ProcedureHeader& h = record.procedure.header;
        std::string row = h.airportIdent + " " + h.runway + " " + std::to_string(h.number) + " " + h.procedureIdent;
        for (const std::string& word : Words(&record)) row += " " + word;
        rows.push_back(row);
    }
    return rows;
}

std::vector<std::string> Summary(const std::vector<std::string>& lines) {
    std::string text;
    for (const std::string& line : lines) text += line + "\n";
    return Summary(ParseTileText(text));
}

Procedure NewProcedure(const char* airport, const char* runway, const char* ident, int number = -1) {
    Procedure procedure;
    procedure.header.number = number;
    procedure.header.airportIdent = airport;
    procedure.header.runway = runway;
    procedure.header.type = kStarType;
    procedure.header.procedureIdent = ident;
    ProcedureLeg leg;
    leg.code = "N";
    leg.word = "NEW";
    procedure.legs.push_back(leg);
    return procedure;
}

TEST(TileFileNameTest, CellOfSignedDecimalDegrees) {
    struct Case {
        double latitude;
        double westLongitude;
        const char* name;
    };
    const Case cases[] = {
        {47.45, 122.31, "LATN047LONW122.adf"}, {-33.9, -151.2, "LATS033LONE151.adf"},
        {0.0, 0.0, "LATN000LONW000.adf"},      {-0.5, -0.5, "LATS000LONE000.adf"},
        {0.5, -0.25, "LATN000LONE000.adf"},    {-0.0, -0.0, "LATN000LONW000.adf"},
        {90.0, 180.0, "LATN090LONW180.adf"},   {95.0, -200.0, "LATN090LONE180.adf"},
        {NAN, INFINITY, "LATN000LONW000.adf"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(MakeTileFileName(c.latitude, c.westLongitude), c.name) << c.latitude << " " << c.westLongitude;
    }
}

TEST(TileFileNameTest, FolderUnderTheBaseDirectory) {
    EXPECT_EQ(SidStarFolder("C:\\Quillet\\"), "C:\\Quillet\\SidStar\\");
    EXPECT_EQ(SidStarFolder("C:\\Quillet"), "C:\\Quillet\\SidStar\\");
    EXPECT_EQ(TileFilePath("C:\\Quillet\\", 47.45, 122.31), "C:\\Quillet\\SidStar\\LATN047LONW122.adf");
}

TEST(TileFileReaderTest, EveryRunwayAndAirportOfACellReadsWhole) {
    const TileContents contents = ParseTileText(SharedCell());
    EXPECT_EQ(Summary(contents),
              (std::vector<std::string>{"KSEA L16 1 SEA1 A1 A2", "KSEA R34 1 SEA9 B1", "KSEA L16 2 SEA2 C1 C2 C3",
                                        "KBFI L16 1 BFI1 D1", "KSEA L16 3 SEA3 E1", "KSEA L16 4 SEA4 F1"}));
    const TileRecord* first = contents.Find({1, "KSEA", "L16"});
    ASSERT_NE(first, nullptr);
    const ProcedureHeader& header = first->procedure.header;
    EXPECT_EQ(header.airportName, "SEATTLE TACOMA");
    EXPECT_EQ(header.country, "USA");
    EXPECT_EQ(header.author, "me");
    EXPECT_EQ(header.type, "SID");
    EXPECT_EQ(header.procedureName, "SEA1 DEPARTURE");
    EXPECT_DOUBLE_EQ(header.magneticVariation, -20.0);
    EXPECT_DOUBLE_EQ(first->procedure.legs[1].maxAltitude, 5000.0);
}

TEST(TileFileReaderTest, IdentitiesCompareWhole) {
    const TileContents contents = ParseTileText(SharedCell());
    EXPECT_EQ(contents.Find({1, "SEA", "L16"}), nullptr);
    EXPECT_EQ(contents.Find({1, "KSEA", "16"}), nullptr);
    EXPECT_EQ(Words(contents.Find({1, " ksea ", "L16"})), (std::vector<std::string>{"A1", "A2"}));
    EXPECT_EQ(contents.RunwayRecords("KSEA", "L16").size(), 4u);
    EXPECT_EQ(contents.FirstFreeNumber("KSEA", "L16"), 5);
    EXPECT_EQ(contents.FirstFreeNumber("KSEA", "R16"), 1);
}

TEST(TileFileReaderTest, LineEndsOfBothKindsAndBlankLinesInsideARecord) {
    const std::string text = "[001]\r\naid=KSEA\r\nrnw= 09\r\n\r\ntid=X\r\n" + Leg(1, "A") + "\r\n\r\n" + Leg(2, "B") +
                             "\n\n\n[002]\naid=KSEA\nrnw= 09\n" + Leg(1, "C") + "\n";
    const TileContents contents = ParseTileText(text);
    EXPECT_EQ(Words(contents.Find({1, "KSEA", " 09"})), (std::vector<std::string>{"A", "B"}));
    EXPECT_EQ(Words(contents.Find({2, "KSEA", "09"})), (std::vector<std::string>{"C"}));
    EXPECT_EQ(contents.Find({1, "KSEA", " 09"})->procedure.header.procedureIdent, "X");
}

TEST(TileFileReaderTest, KeysLegsAndHeadersOnlyAsWholeLineStarts) {
    const std::string text =
        "[001]\naid=KSEA\nrnw=L16\ntnm=[16] tid=EVIL t02=N:x:\nanm=x aid=KBFI\n"
        " tid=INDENTED\n" +
        Leg(1, "A") + "\n [002] \nrnw=R34\n" + Leg(2, "B") + "\n";
    const TileContents contents = ParseTileText(text);
    ASSERT_EQ(contents.records.size(), 2u);  // " [002] " is a header, "[16] ..." is not
    const TileRecord& record = contents.records[0];
    EXPECT_EQ(record.procedure.header.airportIdent, "KSEA");
    EXPECT_EQ(record.procedure.header.procedureIdent, "");
    EXPECT_EQ(record.procedure.header.procedureName, "[16] tid=EVIL t02=N:x:");
    EXPECT_EQ(Words(&record), (std::vector<std::string>{"A"}));
}

TEST(TileFileReaderTest, LegsRunToTheFirstMissingNumberAndAtMostFortyNine) {
    const TileContents gap = ParseTileText("[001]\naid=K\nrnw=L16\n" + Leg(1, "A") + "\n" + Leg(2, "B") + "\n" +
                                           Leg(4, "D") + "\n" + Leg(1, "SECOND") + "\n");
    EXPECT_EQ(Words(&gap.records[0]), (std::vector<std::string>{"A", "B"}));
    EXPECT_FALSE(gap.records[0].legsCut);

    std::string many = "[001]\naid=K\nrnw=L16\n";
    for (int n = 1; n <= 55; ++n) {
        many += "t" + std::string(n < 10 ? "0" : "") + std::to_string(n) + "=N:w" + std::to_string(n) + ":\n";
    }
    const TileContents cut = ParseTileText(many);
    EXPECT_EQ(cut.records[0].procedure.legs.size(), static_cast<size_t>(kMaxProcedureLegs));
    EXPECT_EQ(cut.records[0].procedure.legs.back().word, "w49");
    EXPECT_TRUE(cut.records[0].legsCut);
}

TEST(TileFileWriterTest, NewRecordTakesTheLowestFreeNumberOfItsRunwayAndLeavesTheRestAlone) {
    const TileContents contents = ParseTileText(SharedCell());
    Procedure added = NewProcedure("KSEA", "L16", "NEW_ITEM");
    const std::vector<std::string> lines = LinesWithProcedureSaved(contents, added);
    EXPECT_EQ(added.header.number, 5);
    EXPECT_EQ(Summary(lines),
              (std::vector<std::string>{"KSEA L16 1 SEA1 A1 A2", "KSEA R34 1 SEA9 B1", "KSEA L16 2 SEA2 C1 C2 C3",
                                        "KBFI L16 1 BFI1 D1", "KSEA L16 3 SEA3 E1", "KSEA L16 4 SEA4 F1",
                                        "KSEA L16 5 NEW_ITEM NEW"}));
    const std::vector<std::string> old = ParseTileText(SharedCell()).lines;
    EXPECT_TRUE(std::equal(old.begin(), old.end(), lines.begin()));
    EXPECT_EQ(lines[old.size()], "");

    Procedure other = NewProcedure("KBFI", "R34", "BFI9", 7);
    LinesWithProcedureSaved(contents, other);
    EXPECT_EQ(other.header.number, 1);
}

TEST(TileFileWriterTest, SavedRecordIsReplacedWhereItStands) {
    const TileContents contents = ParseTileText(SharedCell());
    Procedure changed = NewProcedure("KSEA", "R34", "SEA9X", 1);
    changed.legs.push_back(changed.legs[0]);
    const std::vector<std::string> lines = LinesWithProcedureSaved(contents, changed);
    EXPECT_EQ(changed.header.number, 1);
    EXPECT_EQ(Summary(lines),
              (std::vector<std::string>{"KSEA L16 1 SEA1 A1 A2", "KSEA R34 1 SEA9X NEW NEW", "KSEA L16 2 SEA2 C1 C2 C3",
                                        "KBFI L16 1 BFI1 D1", "KSEA L16 3 SEA3 E1", "KSEA L16 4 SEA4 F1"}));
}

TEST(TileFileWriterTest, DeleteRenumbersTheLaterRecordsOfItsRunwayOnly) {
    const TileContents contents = ParseTileText(SharedCell());
    const auto lines = LinesWithProcedureDeleted(contents, {2, "KSEA", "L16"});
    ASSERT_TRUE(lines);
    EXPECT_EQ(Summary(*lines),
              (std::vector<std::string>{"KSEA L16 1 SEA1 A1 A2", "KSEA R34 1 SEA9 B1", "KBFI L16 1 BFI1 D1",
                                        "KSEA L16 2 SEA3 E1", "KSEA L16 3 SEA4 F1"}));
    EXPECT_EQ(LinesWithProcedureDeleted(contents, {5, "KSEA", "L16"}), std::nullopt);
    EXPECT_EQ(LinesWithProcedureDeleted(contents, {1, "SEA", "L16"}), std::nullopt);

    const auto last = LinesWithProcedureDeleted(contents, {4, "KSEA", "L16"});
    ASSERT_TRUE(last);
    EXPECT_NE(last->back(), "");  // the blank line before it went with it
    const auto all = LinesWithProcedureDeleted(ParseTileText(Record("001", "K", "L16", "X", {"A"})), {1, "K", "L16"});
    EXPECT_EQ(all, std::vector<std::string>{});
}

TEST(TileFileWriterTest, WrittenRecordReadsBackTheSame) {
    Procedure procedure = NewProcedure("KSEA", " 09", "SEA1");
    procedure.header.airportName = "SEATTLE";
    procedure.header.country = "USA";
    procedure.header.author = "a b";
    procedure.header.procedureName = "name [16]";
    procedure.header.magneticVariation = -19.5;
    procedure.legs[0].nextText = "tid=X t02=";
    procedure.legs[0].latitude = -0.5;
    procedure.legs[0].longitude = -0.25;
    const std::vector<std::string> lines = LinesWithProcedureSaved({}, procedure);
    EXPECT_EQ(lines[0], "[001]");
    EXPECT_EQ(lines[2], "rnw= 09");
    EXPECT_EQ(lines[9], "tmv=-19.500000");
    std::string text;
    for (const std::string& line : lines) text += line + "\r\n";
    const TileContents contents = ParseTileText(text);
    ASSERT_EQ(contents.records.size(), 1u);
    const Procedure& read = contents.records[0].procedure;
    EXPECT_EQ(RecordLines(read), RecordLines(procedure));
    EXPECT_EQ(read.header.author, "a b");
    EXPECT_EQ(read.legs[0].nextText, "tid=X t02=");
}

TEST(TileFileWriterTest, TextsAreCutAndLegsCapped) {
    Procedure procedure = NewProcedure("KSEAXXXXXXXXX", "L16", "IDENT_TOO_LONG");
    procedure.header.procedureName = std::string(70, 'n');
    procedure.legs.resize(60, procedure.legs[0]);
    LinesWithProcedureSaved({}, procedure);
    EXPECT_EQ(procedure.header.airportIdent, "KSEAXXXXXX");
    EXPECT_EQ(procedure.header.procedureIdent, "IDENT_TOO_");
    EXPECT_EQ(procedure.header.procedureName.size(), kProcedureNameLength);
    EXPECT_EQ(procedure.legs.size(), static_cast<size_t>(kMaxProcedureLegs));
}

TEST(TileFileWriterTest, RefusesTextsTheFileCannotKeep) {
    struct Case {
        const char* what;
        void (*spoil)(Procedure&);
    };
    const Case cases[] = {
        {"colon in a word", [](Procedure& p) { p.legs[0].word = "A:B"; }},
        {"colon in a free text", [](Procedure& p) { p.legs[0].nextText = "x:y"; }},
        {"colon in an ident", [](Procedure& p) { p.legs[0].nextIdent = "S:"; }},
        {"line break in a name", [](Procedure& p) { p.header.procedureName = "one\n[002]"; }},
        {"line break in a free text", [](Procedure& p) { p.legs[0].nextText = "x\rt02=N"; }},
    };
    for (const Case& c : cases) {
        Procedure procedure = NewProcedure("KSEA", "L16", "SEA1");
        EXPECT_FALSE(FirstRefusedText(procedure)) << c.what;
        c.spoil(procedure);
        EXPECT_TRUE(FirstRefusedText(procedure)) << c.what;
    }
    Procedure named = NewProcedure("KSEA", "L16", "SEA1");
    named.header.procedureName = "RWY 16: east";
    EXPECT_FALSE(FirstRefusedText(named));  // key values are whole lines
}

class TileFileOnDiskTest : public ::testing::Test {
protected:
    static constexpr const char* kBase = "C:\\Quillet\\";

    std::filesystem::path HostFile(const char* name) const {
        return environment.driveC() / "Quillet" / "SidStar" / name;
    }

    platform::testing::TempEnvironment environment;
};

TEST_F(TileFileOnDiskTest, SaveCreatesTheFolderAndTheCellsAroundTheEquatorStayApart) {
    Procedure south = NewProcedure("FZAA", "L16", "S1");
    ASSERT_EQ(SaveProcedure(TileFilePath(kBase, -0.5, -0.5), south), TileStatus::Ok);
    Procedure north = NewProcedure("DNAA", "L16", "N1");
    ASSERT_EQ(SaveProcedure(TileFilePath(kBase, 0.5, 0.5), north), TileStatus::Ok);
    EXPECT_TRUE(std::filesystem::exists(HostFile("LATS000LONE000.adf")));
    EXPECT_TRUE(std::filesystem::exists(HostFile("LATN000LONW000.adf")));

    TileContents contents;
    ASSERT_EQ(ReadTileFile(TileFilePath(kBase, -0.9, -0.1), contents), TileStatus::Ok);
    EXPECT_EQ(Summary(contents), std::vector<std::string>{"FZAA L16 1 S1 NEW"});
    EXPECT_EQ(platform::testing::TempEnvironment::readFile(HostFile("LATS000LONE000.adf")).substr(0, 7), "[001]\r\n");
}

TEST_F(TileFileOnDiskTest, SaveAndDeleteKeepEveryOtherRecordOfTheFile) {
    environment.writeFile("drive_c/Quillet/SidStar/LATN047LONW122.adf", SharedCell());
    const std::string path = TileFilePath(kBase, 47.45, 122.31);
    Procedure first = NewProcedure("KSEA", "L16", "SEA1X", 1);
    ASSERT_EQ(SaveProcedure(path, first), TileStatus::Ok);
    ASSERT_EQ(DeleteProcedure(path, {3, "KSEA", "L16"}), TileStatus::Ok);
    EXPECT_EQ(DeleteProcedure(path, {9, "KSEA", "L16"}), TileStatus::NotFound);
    TileContents contents;
    ASSERT_EQ(ReadTileFile(path, contents), TileStatus::Ok);
    EXPECT_EQ(Summary(contents),
              (std::vector<std::string>{"KSEA L16 1 SEA1X NEW", "KSEA R34 1 SEA9 B1", "KSEA L16 2 SEA2 C1 C2 C3",
                                        "KBFI L16 1 BFI1 D1", "KSEA L16 3 SEA4 F1"}));
}

TEST_F(TileFileOnDiskTest, MissingFileReadsEmptyAndRefusedTextWritesNothing) {
    TileContents contents;
    EXPECT_EQ(ReadTileFile(TileFilePath(kBase, 10, 10), contents), TileStatus::Ok);
    EXPECT_TRUE(contents.records.empty());
    Procedure bad = NewProcedure("KSEA", "L16", "SEA1");
    bad.legs[0].word = "a:b";
    EXPECT_EQ(SaveProcedure(TileFilePath(kBase, 10, 10), bad), TileStatus::TextRefused);
    EXPECT_FALSE(std::filesystem::exists(HostFile("LATN010LONW010.adf")));
}

TEST_F(TileFileOnDiskTest, FailuresAreReportedWithTheirMessages) {
    environment.writeFile("drive_c/Quillet/SidStar", "a file where the folder should be");
    Procedure procedure = NewProcedure("KSEA", "L16", "SEA1");
    const TileStatus status = SaveProcedure(TileFilePath(kBase, 47, 122), procedure);
    EXPECT_EQ(status, TileStatus::CannotWrite);

    platform::MessageBoxRecorder recorder;
    ReportTileStatus(status);
    ReportTileStatus(TileStatus::CannotRead);
    ReportTileStatus(TileStatus::Ok);
    ReportTileStatus(TileStatus::NotFound);
    EXPECT_EQ(recorder.texts(),
              (std::vector<std::string>{"The file could not be created/ saved.\nPlease ensure that the file is not "
                                        "been used,\nand that you have access to the directory\n",
                                        "The file could not be created.\nPlease ensure that the file is not been "
                                        "used,\nand that you have access to the directory\n"}));
    EXPECT_EQ(recorder.shown()[0].icon, platform::MbIcon::Information);
}

}  // namespace
}  // namespace trevalo
