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

}  // namespace
}  // namespace qtplatform
