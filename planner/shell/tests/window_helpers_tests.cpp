#include "shell/window_helpers.h"

#include <gtest/gtest.h>

#ifdef TREVALO_HAVE_PRINTING
#include <QPrinterInfo>
#endif

namespace trevalo {
namespace {

class SetListItemTextTest : public ::testing::Test {
protected:
    SetListItemTextTest() { list_.SetColumns({{"Ident", 50}, {"Name", 150}}); }
    qtplatform::ReportList list_;
};

TEST_F(SetListItemTextTest, ColumnZeroInsertsOtherColumnsSetTheCell) {
    EXPECT_EQ(SetListItemText(list_, "EGLL", 0, 0), 0);
    EXPECT_EQ(SetListItemText(list_, "LFPG", 0, 0), 0);  // inserted before EGLL
    EXPECT_EQ(SetListItemText(list_, "Paris", 0, 1), 0);
    EXPECT_EQ(SetListItemText(list_, "KJFK", 9, 0), 2);  // past the end appends
    EXPECT_EQ(list_.Cell(0, 0), "LFPG");
    EXPECT_EQ(list_.Cell(0, 1), "Paris");
    EXPECT_EQ(list_.Cell(1, 0), "EGLL");
    EXPECT_EQ(list_.Cell(2, 0), "KJFK");
}

TEST_F(SetListItemTextTest, LongTextsAreCutInsteadOfOverflowing) {
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

TEST(GetPrinterPageSize, CountsWholeMillimetresInTenths) {
    struct Case {
        double width, height;
        int tenthsWide, tenthsHigh;
    };
    const Case cases[] = {
        {210.0, 297.0, 2100, 2970},   // A4
        {215.9, 279.4, 2150, 2790},   // Letter: the fractions are dropped
        {209.99, 296.99, 2090, 2960},
    };
    for (const Case& c : cases) {
        const PageSize size = PageSizeOfMillimetres(c.width, c.height);
        EXPECT_EQ(size.width, c.tenthsWide) << c.width;
        EXPECT_EQ(size.height, c.tenthsHigh) << c.height;
    }
}

TEST(GetPrinterPageSize, DefaultsToA4WithoutAPrinter) {
#ifdef TREVALO_HAVE_PRINTING
    if (!QPrinterInfo::defaultPrinter().isNull()) GTEST_SKIP() << "this machine has a default printer";
#endif
    const PageSize size = GetPrinterPageSize();
    EXPECT_EQ(size.width, 2100);
    EXPECT_EQ(size.height, 2960);
    EXPECT_EQ(ApplicationPrinter(), nullptr);
}

}  // namespace
}  // namespace trevalo
