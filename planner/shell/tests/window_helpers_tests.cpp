#include "shell/window_helpers.h"

#include <gtest/gtest.h>

#ifdef TREVALO_HAVE_PRINTING
#include <QPrinterInfo>
#endif

namespace trevalo {
namespace {

TEST(GetPrinterPageSize, CountsWholeMillimetresInTenths) {
    struct Case {
        double width, height;
        int tenthsWide, tenthsHigh;
    };
    const Case cases[] = {
        {210.0, 297.0, 2100, 2970},  // A4
        {215.9, 279.4, 2150, 2790},  // Letter: the fractions are dropped
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
