#include "mapview/find_result.h"

#include <gtest/gtest.h>

#include <cstring>

namespace trevalo {
namespace {

TEST(FindResultKeyTest, ReadsTheIdentKindAndCell) {
    const struct {
        const char* key;
        bool valid;
        const char* ident;
        char kind;
        int column, row;
    } cases[] = {
        {"KSEA\t(A04,12)SEATTLE TACOMA", true, "KSEA", 'A', 4, 12},
        {"SEA\t(N04,12)SEATTLE", true, "SEA", 'N', 4, 12},
        {"", false, "", 0, 0, 0},
        {"KSEA (A04,12)", false, "", 0, 0, 0},
        {"KSEA\t(X04,12)", false, "", 0, 0, 0},
        {"KSEA\t(A4,12)", false, "", 0, 0, 0},
    };
    for (const auto& c : cases) {
        const std::optional<FindResultKey> key = ParseFindResultKey(c.key);
        ASSERT_EQ(key.has_value(), c.valid) << c.key;
        if (!key) continue;
        EXPECT_EQ(key->ident, c.ident);
        EXPECT_EQ(key->kind, c.kind);
        EXPECT_EQ(key->column, c.column);
        EXPECT_EQ(key->row, c.row);
    }
}

TEST(FindResultKeyTest, LooksTheIdentUpInItsCellOnly) {
    NavDatabase database("C:\\Quillet\\");
    AirportRecord airport;
    std::strcpy(airport.id, "KSEA");
    airport.x = -440000;
    airport.y = 170000;
    database.airportGrid[4 * kGridRows + 12].push_back(airport);
    NavaidRecord navaid;
    std::strcpy(navaid.id, "KSEA");
    navaid.x = -1;
    navaid.y = -1;
    database.navaidGrid[4 * kGridRows + 13].push_back(navaid);

    const std::optional<MapPoint> found = LocateFindResult(database, {"KSEA", 'A', 4, 12});
    ASSERT_TRUE(found.has_value());
    EXPECT_EQ(found->longitude, -440000);
    EXPECT_EQ(found->latitude, 170000);
    EXPECT_FALSE(LocateFindResult(database, {"KSEA", 'N', 4, 12}).has_value());
    EXPECT_FALSE(LocateFindResult(database, {"KSEA", 'A', 40, 12}).has_value());
}

}  // namespace
}  // namespace trevalo
