#include "map/sidstar_selection.h"

#include <gtest/gtest.h>

#include <array>

#include "map/sidstar_tile_writer.h"

namespace trevalo {
namespace {

Procedure Stored(const char* runway, const char* type, const char* ident, int legs) {
    Procedure procedure;
    procedure.header.airportIdent = "KSEA";
    procedure.header.runway = runway;
    procedure.header.type = type;
    procedure.header.procedureIdent = ident;
    for (int i = 0; i < legs; ++i) {
        ProcedureLeg leg;
        leg.code = "N";
        leg.word = std::string(ident) + "_" + std::to_string(i + 1);
        leg.latitude = 47.0 + i;
        leg.longitude = 122.5;
        procedure.legs.push_back(leg);
    }
    return procedure;
}

TileContents Cell(const std::vector<Procedure>& procedures) {
    TileContents contents;
    for (Procedure procedure : procedures) {
        contents.lines = LinesWithProcedureSaved(contents, procedure);
        std::string text;
        for (const std::string& line : contents.lines) text += line + "\n";
        contents = ParseTileText(text);
    }
    return contents;
}

std::vector<std::string> Idents(const ListedProcedures& listed) {
    std::vector<std::string> idents;
    for (const Procedure& procedure : listed.procedures) idents.push_back(procedure.header.procedureIdent);
    return idents;
}

SidStarRequest Request(const char* runway, const char* type) {
    SidStarRequest request;
    request.airportIdent = "KSEA";
    request.runway = runway;
    request.type = type;
    return request;
}

TEST(SidStarSelectionTest, ListsTheRunwayThenItsParallelsOfTheWantedType) {
    const TileContents cell =
        Cell({Stored("L16", "SID", "L1", 1), Stored("L/R16", "SID", "P1", 1), Stored("L16", "STAR", "S1", 1),
              Stored("R16", "SID", "R1", 1), Stored("L16", "SID", "L2", 2), Stored(" 09", "SID", "N1", 1)});
    EXPECT_EQ(Idents(ProceduresOfRunway(cell, Request("L16", "SID"))), (std::vector<std::string>{"L1", "L2", "P1"}));
    EXPECT_EQ(Idents(ProceduresOfRunway(cell, Request("R16", "SID"))), (std::vector<std::string>{"R1", "P1"}));
    EXPECT_EQ(Idents(ProceduresOfRunway(cell, Request("L16", "STAR"))), std::vector<std::string>{"S1"});
    EXPECT_EQ(Idents(ProceduresOfRunway(cell, Request("09", "SID"))), std::vector<std::string>{"N1"});
    EXPECT_TRUE(ProceduresOfRunway(cell, Request("L34", "SID")).procedures.empty());
}

TEST(SidStarSelectionTest, AtMostTenProceduresAndSaysSo) {
    std::vector<Procedure> stored;
    for (int i = 0; i < 12; ++i) stored.push_back(Stored("L16", "STAR", ("S" + std::to_string(i)).c_str(), 1));
    const ListedProcedures listed = ProceduresOfRunway(Cell(stored), Request("L16", "STAR"));
    EXPECT_EQ(listed.procedures.size(), static_cast<size_t>(kMaxListedProcedures));
    EXPECT_TRUE(listed.cut);
    EXPECT_FALSE(ProceduresOfRunway(Cell({stored[0]}), Request("L16", "STAR")).cut);
}

TEST(SidStarSelectionTest, CopyLeavesRoomForTheEndMark) {
    std::array<fileval, 4> storage;
    for (fileval& slot : storage) slot.FillFileval("t01=X:old:");
    EXPECT_EQ(CopyLegRecords(Stored("L16", "SID", "L1", 2), storage), 2);
    EXPECT_STREQ(storage[0]._Getword(), "L1_1");
    EXPECT_STREQ(storage[1]._Getid(), "L1");
    EXPECT_EQ(storage[2].GetLine(), nullptr);
    EXPECT_STREQ(storage[3]._Getword(), "old");

    EXPECT_EQ(CopyLegRecords(Stored("L16", "SID", "L1", 9), storage), 3);
    EXPECT_STREQ(storage[2]._Getword(), "L1_3");
    EXPECT_EQ(storage[3].GetLine(), nullptr);
}

TEST(SidStarSelectionTest, RoutePointsAreMapArcSecondsEastPositiveAndAtMostTen) {
    std::array<fileval, 13> legs;
    EXPECT_EQ(CopyLegRecords(Stored("L16", "SID", "L1", 12), legs), 12);
    SidStar procedure;
    AppendProcedurePoints(legs, procedure);
    ASSERT_EQ(procedure.GetSize(), scenrix::kSidStarCapacity);
    double x = 0, y = 0;
    ASSERT_TRUE(procedure.Get(1, x, y));
    EXPECT_DOUBLE_EQ(x, -122.5 * 3600);
    EXPECT_DOUBLE_EQ(y, 48.0 * 3600);
    EXPECT_EQ(std::string(procedure.GetLine(1)).substr(0, 12), "t02=N:L1_2:4");
}

}  // namespace
}  // namespace trevalo
