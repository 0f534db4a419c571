#include <gtest/gtest.h>

#include "flightplan/route_record.h"
#include "route_records.h"

namespace trevalo {
namespace {

RouteRecord Numbered(int i) {
    return testing::Navaid("N" + std::to_string(i), "V", "N047* 30'00.00", "W122* 20'00.00");
}

RouteRecordList FullList() {
    RouteRecordList list;
    for (int i = 0; i < kMaxRouteRecords; ++i) EXPECT_TRUE(list.Set(i, Numbered(i)));
    return list;
}

TEST(RouteRecordList, EveryAccessStaysInsideTheList) {
    RouteRecordList list = FullList();
    ASSERT_EQ(list.Count(), kMaxRouteRecords);
    // The end marker at the count of a full route, as the map view hands it.
    EXPECT_TRUE(list.Set(kMaxRouteRecords, RouteRecord{}));
    EXPECT_EQ(list.Count(), kMaxRouteRecords);
    EXPECT_FALSE(list.Set(kMaxRouteRecords, Numbered(500)));
    EXPECT_FALSE(list.Insert(3, Numbered(501)));
    EXPECT_EQ(list.At(3).ident, "N3");
    EXPECT_EQ(list.At(kMaxRouteRecords - 1).ident, "N499");
    for (int outside : {-1, kMaxRouteRecords, kMaxRouteRecords + 1}) EXPECT_FALSE(list.At(outside).IsUsed());
    EXPECT_FALSE(list.Set(-1, Numbered(0)));
    list.Remove(kMaxRouteRecords);
    list.Remove(-1);
    EXPECT_EQ(list.Count(), kMaxRouteRecords);
}

TEST(RouteRecordList, AnUnusedRecordEndsTheList) {
    RouteRecordList list;
    EXPECT_FALSE(list.At(0).IsUsed());  // an empty route has no record -1
    for (int i = 0; i < 5; ++i) list.Set(i, Numbered(i));
    EXPECT_FALSE(list.Set(7, Numbered(7)));  // past the end: nothing
    EXPECT_TRUE(list.Set(3, RouteRecord{}));
    EXPECT_EQ(list.Count(), 3);
    EXPECT_TRUE(list.Insert(0, Numbered(9)));
    EXPECT_FALSE(list.Insert(0, RouteRecord{}));
    list.Remove(1);
    ASSERT_EQ(list.Count(), 3);
    EXPECT_EQ(list.At(0).ident, "N9");
    EXPECT_EQ(list.At(1).ident, "N1");
}

}  // namespace
}  // namespace trevalo
