#include "qtplatform/report_list.h"

#include <gtest/gtest.h>

namespace qtplatform {
namespace {

class ReportListTest : public ::testing::Test {
protected:
    ReportListTest() { list_.SetColumns({{"Ident", 60}, {"Name", 200}}); }
    ReportList list_;
};

TEST_F(ReportListTest, InsertsAtClampedIndexWithCellsAndKeys) {
    EXPECT_EQ(list_.InsertRow(5, "B"), 0);  // past the end appends
    EXPECT_EQ(list_.InsertRow(0, "A"), 0);
    EXPECT_EQ(list_.InsertRow(-3, "Z"), 0);
    EXPECT_TRUE(list_.SetCell(1, 1, "Alpha"));
    EXPECT_FALSE(list_.SetCell(7, 1, "none"));
    EXPECT_FALSE(list_.SetCell(1, 2, "no such column"));
    EXPECT_TRUE(list_.SetRowKey(1, 42));
    EXPECT_EQ(list_.Cell(0, 0), "Z");
    EXPECT_EQ(list_.Cell(1, 0), "A");
    EXPECT_EQ(list_.Cell(1, 1), "Alpha");
    EXPECT_EQ(list_.RowKey(1), 42);
    EXPECT_EQ(list_.RowKey(0), std::nullopt);
}

TEST_F(ReportListTest, SelectedRowGivesBackItsHiddenKey) {
    for (int i = 0; i < 3; ++i) {
        list_.InsertRow(i, "row");
        list_.SetRowKey(i, 100 + i);
    }
    EXPECT_EQ(list_.SelectedKey(), std::nullopt);
    list_.SelectRow(2);
    EXPECT_EQ(list_.SelectedRow(), 2);
    EXPECT_EQ(list_.SelectedKey(), 102);
    EXPECT_TRUE(list_.FullRowSelect());
    list_.SetFullRowSelect(false);
    EXPECT_FALSE(list_.FullRowSelect());
}

TEST_F(ReportListTest, ColumnsInPartsShareTheWidthInsideTheFrameAndAlignTheirRows) {
    list_.InsertRow(0, "an old row");
    const PartColumn parts[] = {{"ID", 7}, {"Name", 20}, {"Lat", 5, true}};
    const std::vector<ReportColumn> columns = ColumnsInParts(parts, 32, 324);  // 10 pixels a part
    ASSERT_EQ(columns.size(), 3u);
    EXPECT_EQ(columns[1].width, 200);
    EXPECT_TRUE(columns[2].centred);
    list_.SetColumns(columns);
    EXPECT_EQ(list_.RowCount(), 0);
    ASSERT_EQ(list_.columnCount(), 3);
    EXPECT_EQ(list_.columnWidth(0), 70);

    EXPECT_EQ(list_.AppendRow({"KSEA", "SEATTLE", "12"}, 7), 0);
    EXPECT_EQ(list_.AppendRow({"KCHL"}, 8), 1);
    EXPECT_EQ(list_.Cell(0, 2), "12");
    EXPECT_EQ(list_.RowKey(1), 8);
    EXPECT_EQ(list_.topLevelItem(0)->textAlignment(2), Qt::AlignHCenter);
    EXPECT_EQ(list_.topLevelItem(0)->textAlignment(0), Qt::AlignLeft);
}

TEST_F(ReportListTest, SetListItemTextInsertsInColumnZeroAndSetsOtherCells) {
    EXPECT_EQ(SetListItemText(list_, "EGLL", 0, 0), 0);
    EXPECT_EQ(SetListItemText(list_, "LFPG", 0, 0), 0);  // inserted before EGLL
    EXPECT_EQ(SetListItemText(list_, "Paris", 0, 1), 0);
    EXPECT_EQ(SetListItemText(list_, "KJFK", 9, 0), 2);  // past the end appends
    EXPECT_EQ(list_.Cell(0, 0), "LFPG");
    EXPECT_EQ(list_.Cell(0, 1), "Paris");
    EXPECT_EQ(list_.Cell(1, 0), "EGLL");
    EXPECT_EQ(list_.Cell(2, 0), "KJFK");
}

TEST_F(ReportListTest, SetListItemTextCutsLongTextsInsteadOfOverflowing) {
    struct Case {
        std::string text;
        std::string expected;
    };
    const Case cases[] = {
        {std::string(kListItemTextLimit, 'a'), std::string(kListItemTextLimit, 'a')},
        {std::string(kListItemTextLimit + 1, 'b'), std::string(kListItemTextLimit, 'b')},
        {std::string(4000, 'c'), std::string(kListItemTextLimit, 'c')},
        {std::string("two\0parts", 9), "two"},
    };
    for (const Case& c : cases) {
        const int row = SetListItemText(list_, c.text, list_.RowCount(), 0);
        SetListItemText(list_, c.text, row, 1);
        EXPECT_EQ(list_.Cell(row, 0), c.expected);
        EXPECT_EQ(list_.Cell(row, 1), c.expected);
    }
}

}  // namespace
}  // namespace qtplatform
