#include <cstring>
#include <string>

#include <gtest/gtest.h>

#include "scenrix/sid_star.h"

namespace {

using scenrix::kSidStarCapacity;

// One way to add a point to either class, so the shared point rules run on both.
bool AddPoint(SidStar& points, double x, double y) {
    return points.Add(x, y, ("line " + std::to_string(points.GetSize())).c_str());
}
bool AddPoint(ExtraStar& points, double x, double y) { return points.Add(x, y); }

template <class Points>
class PointListTest : public testing::Test {
protected:
    void Fill(int count) {
        for (int i = 0; i < count; ++i) {
            ASSERT_TRUE(AddPoint(points_, i, 100.0 + i));
        }
    }
    Points points_;
};

using PointLists = testing::Types<SidStar, ExtraStar>;
TYPED_TEST_SUITE(PointListTest, PointLists);

TYPED_TEST(PointListTest, StartsEmpty) {
    EXPECT_EQ(this->points_.GetSize(), 0);
    double x = 0.0;
    double y = 0.0;
    EXPECT_FALSE(this->points_.Get(0, x, y));
}

TYPED_TEST(PointListTest, GetsOnlyHeldPoints) {
    this->Fill(3);
    for (int i : {-1, 3, kSidStarCapacity, 1000}) {
        double x = -7.0;
        double y = -8.0;
        EXPECT_FALSE(this->points_.Get(i, x, y)) << i;
        EXPECT_EQ(x, -7.0);
        EXPECT_EQ(y, -8.0);
    }
    double x = 0.0;
    double y = 0.0;
    ASSERT_TRUE(this->points_.Get(2, x, y));
    EXPECT_EQ(x, 2.0);
    EXPECT_EQ(y, 102.0);
}

TYPED_TEST(PointListTest, RefusesAnEleventhPoint) {
    this->Fill(kSidStarCapacity);
    EXPECT_FALSE(AddPoint(this->points_, 55.0, 66.0));
    EXPECT_EQ(this->points_.GetSize(), kSidStarCapacity);
    double x = 0.0;
    double y = 0.0;
    ASSERT_TRUE(this->points_.Get(kSidStarCapacity - 1, x, y));
    EXPECT_EQ(x, kSidStarCapacity - 1.0);
}

TYPED_TEST(PointListTest, ClearRemovesThePointsAndAllowsNewOnes) {
    this->Fill(kSidStarCapacity);
    this->points_.Clear();
    EXPECT_EQ(this->points_.GetSize(), 0);
    EXPECT_TRUE(AddPoint(this->points_, 5.0, 6.0));
    EXPECT_EQ(this->points_.GetSize(), 1);
}

TYPED_TEST(PointListTest, AssignmentCopiesThePoints) {
    this->Fill(4);
    TypeParam copy;
    copy = this->points_;
    this->points_.Clear();
    EXPECT_EQ(copy.GetSize(), 4);
    double x = 0.0;
    double y = 0.0;
    ASSERT_TRUE(copy.Get(3, x, y));
    EXPECT_EQ(y, 103.0);
}

class SidStarTest : public testing::Test {
protected:
    void SetUp() override {
        sidStar_.head = 3;
        std::strcpy(sidStar_.firstName, "KLAX");
        std::strcpy(sidStar_.secondName, "GABRIEL");
        sidStar_.Add(1.0, 2.0, "first");
        sidStar_.Add(3.0, 4.0, "second");
        sidStar_.legs[0].FillFileval("t01=R:KLAX:");
        sidStar_.legs[0]._Setid("GABRL1");
    }
    SidStar sidStar_;
};

TEST_F(SidStarTest, GetLineOfHeldPointsOnly) {
    EXPECT_STREQ(sidStar_.GetLine(0), "first");
    EXPECT_STREQ(sidStar_.GetLine(1), "second");
    for (int i : {-1, 2, kSidStarCapacity}) {
        EXPECT_EQ(sidStar_.GetLine(i), nullptr) << i;
    }
}

TEST_F(SidStarTest, AddCutsALongLineAndTakesNullAsEmpty) {
    const std::string longLine(1000, 'x');
    sidStar_.Add(0.0, 0.0, longLine.c_str());
    sidStar_.Add(0.0, 0.0, nullptr);
    EXPECT_EQ(std::strlen(sidStar_.GetLine(2)), scenrix::kSidStarLineSize - 1);
    EXPECT_STREQ(sidStar_.GetLine(3), "");
}

TEST_F(SidStarTest, ClearKeepsTheLegs) {
    sidStar_.Clear();
    EXPECT_EQ(sidStar_.head, 0);
    EXPECT_STREQ(sidStar_.firstName, "");
    EXPECT_STREQ(sidStar_.secondName, "");
    EXPECT_EQ(sidStar_.GetLine(0), nullptr);
    EXPECT_STREQ(sidStar_.legs[0]._Getid(), "GABRL1");
}

TEST_F(SidStarTest, CopiesOwnTheirLegs) {
    SidStar assigned;
    assigned = sidStar_;
    SidStar copied(sidStar_);
    sidStar_.legs[0].Empty();
    for (SidStar* copy : {&assigned, &copied}) {
        EXPECT_EQ(copy->head, 3);
        EXPECT_STREQ(copy->secondName, "GABRIEL");
        EXPECT_STREQ(copy->lines[1], "second");
        EXPECT_STREQ(copy->legs[0]._Getid(), "GABRL1");
        EXPECT_STREQ(copy->legs[0]._Getword(), "KLAX");
    }
}

TEST(ExtraStarAltitude, SlotsOutsideTheTenAreRefused) {
    ExtraStar extra;
    extra.SetAlt(0, 3000);
    extra.SetAlt(kSidStarCapacity - 1, 9000);
    for (int i : {-1, kSidStarCapacity, 1 << 30}) {
        extra.SetAlt(i, 1234);
        EXPECT_EQ(extra.GetAlt(i), ExtraStar::kNoAltitude) << i;
    }
    EXPECT_EQ(extra.GetAlt(0), 3000);
    EXPECT_EQ(extra.GetAlt(kSidStarCapacity - 1), 9000);
}

}  // namespace
