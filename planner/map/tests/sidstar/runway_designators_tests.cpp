#include "map/sidstar_runways.h"

#include <gtest/gtest.h>

namespace trevalo {
namespace {

TEST(RunwayDesignatorsTest, BothEndsOfARunwayLine) {
    struct Case {
        char side;
        double heading;
        double variation;
        std::vector<std::string> designators;
    };
    const Case cases[] = {
        {'L', 160.0, 0.0, {"L16", "L/R16", "L34", "L/R34"}},
        {'R', 164.0, 20.0, {"R14", "L/R14", "R32", "L/R32"}},
        {0, 94.0, 0.0, {" 09", " 27"}},
        {0, 2.0, 0.0, {" 36", " 18"}},        // never runway 00
        {'C', 355.0, -10.0, {"C01", "C19"}},  // 365 degrees is runway 01
        {'H', 90.0, 0.0, {"H09", "H27"}},
        {0, 3.0, 10.0, {" 35", " 17"}},  // a heading below the variation
    };
    for (const Case& c : cases) {
        EXPECT_EQ(RunwayLineDesignators(c.side, c.heading, c.variation), c.designators)
            << c.side << " " << c.heading << " " << c.variation;
    }
}

TEST(RunwayDesignatorsTest, ParallelFormOnlyForLeftAndRight) {
    EXPECT_EQ(ParallelDesignatorOf("L16"), "L/R16");
    EXPECT_EQ(ParallelDesignatorOf("R34"), "L/R34");
    EXPECT_EQ(ParallelDesignatorOf(" 09"), std::nullopt);
    EXPECT_EQ(ParallelDesignatorOf("C01"), std::nullopt);
    EXPECT_EQ(ParallelDesignatorOf("L/R16"), std::nullopt);
    EXPECT_EQ(ParallelDesignatorOf(""), std::nullopt);
}

}  // namespace
}  // namespace trevalo
