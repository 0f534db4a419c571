#include "shell/status_panes.h"

#include <gtest/gtest.h>

namespace trevalo {
namespace {

constexpr int kDegree = 3600;
constexpr int kMinute = 60;

struct PaneCase {
    int arcSeconds;
    const char* expected;
};

TEST(StatusPanes, LongitudeLetterNumbersAndOutOfMap) {
    const PaneCase cases[] = {
        {0, "W00\"00'00'"},  // zero counts as west
        {8 * kDegree + 30 * kMinute + 5, "E08\"30'05'"},
        {-(122 * kDegree + 1 * kMinute + 59), "W122\"01'59'"},
        {-1, "W00\"00'01'"},
        {180 * kDegree, "E180\"00'00'"},
        {-180 * kDegree, "W180\"00'00'"},
        {180 * kDegree + 1, kOutOfMapText},
        {-(233 * kDegree + 14 * kMinute + 27), kOutOfMapText},  // left of the map at start-up
    };
    for (const PaneCase& c : cases) EXPECT_EQ(FormatLongitudePane(c.arcSeconds), c.expected) << c.arcSeconds;
}

TEST(StatusPanes, LatitudeLetterNumbersAndOutOfMap) {
    const PaneCase cases[] = {
        {0, "S00\"00'00'"},
        {-(89 * kDegree + 30 * kMinute), "S89\"30'00'"},
        {-90 * kDegree, kOutOfMapText},
        {89 * kDegree + 59 * kMinute + 59, "N89\"59'59'"},
        {90 * kDegree, kOutOfMapText},
        {51 * kDegree + 28 * kMinute + 39, "N51\"28'39'"},
    };
    for (const PaneCase& c : cases) EXPECT_EQ(FormatLatitudePane(c.arcSeconds), c.expected) << c.arcSeconds;
}

}  // namespace
}  // namespace trevalo
