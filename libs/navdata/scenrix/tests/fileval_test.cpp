#include <cstring>
#include <string>

#include <gtest/gtest.h>

#include "scenrix/fileval.h"

namespace {

constexpr const char* kLegLine =
    "t01=R:KLAX:33.942500:118.408000:150.00:250.00:3000.00:5000.00:270.00:LAX:"
    "33.933000:118.400000:12.50:90.00:SMO:34.010000:118.450000:Santa Monica:\n";

std::string TextOf(const char* text) { return text == nullptr ? "<null>" : text; }

class FillFilevalTest : public testing::Test {
protected:
    fileval leg_;
};

TEST_F(FillFilevalTest, MapsFieldsOntoMembers) {
    leg_.FillFileval(kLegLine);

    EXPECT_STREQ(leg_.GetLine(), kLegLine);
    EXPECT_EQ(TextOf(leg_._Getcode()), "R");
    EXPECT_EQ(TextOf(leg_._Getword()), "KLAX");
    EXPECT_EQ(TextOf(leg_._Gethdgid()), "LAX");
    EXPECT_EQ(TextOf(leg_._Getidtonext()), "SMO");
    EXPECT_EQ(TextOf(leg_._Getidtonexttext()), "Santa Monica");
    EXPECT_EQ(leg_._Getid(), nullptr);
    EXPECT_EQ(leg_.kind, -1);

    const struct {
        double fileval::*member;
        double expected;
    } numbers[] = {
        {&fileval::latitude, 33.9425},
        {&fileval::longitude, 118.408},
        {&fileval::minSpeed, 150.0},
        {&fileval::maxSpeed, 250.0},
        {&fileval::minAltitude, 3000.0},
        {&fileval::maxAltitude, 5000.0},
        {&fileval::heading, 270.0},
        {&fileval::hdgLatitude, 33.933},
        {&fileval::hdgLongitude, 118.4},
        {&fileval::nextDistance, 12.5},
        {&fileval::nextRadial, 90.0},
        {&fileval::idtonextLatitude, 34.01},
        {&fileval::idtonextLongitude, 118.45},
    };
    for (std::size_t i = 0; i < std::size(numbers); ++i) {
        EXPECT_DOUBLE_EQ(leg_.*numbers[i].member, numbers[i].expected) << "number " << i + 1;
    }
}

TEST_F(FillFilevalTest, MissingFieldsReadAsEmptyAndZero) {
    leg_.FillFileval("t01=R:");
    EXPECT_EQ(TextOf(leg_._Getcode()), "R");
    EXPECT_EQ(TextOf(leg_._Getword()), "");
    EXPECT_EQ(TextOf(leg_._Getidtonexttext()), "");
    EXPECT_EQ(leg_.latitude, 0.0);
    EXPECT_EQ(leg_.idtonextLongitude, 0.0);
}

TEST_F(FillFilevalTest, KeepsFieldsLongerThanALine) {
    const std::string word(1000, 'w');
    leg_.FillFileval(("t01=R:" + word + ":").c_str());
    EXPECT_EQ(TextOf(leg_._Getword()), word);
}

TEST_F(FillFilevalTest, RefillsFromItsOwnLine) {
    leg_.FillFileval(kLegLine);
    leg_.FillFileval(leg_.GetLine());
    EXPECT_STREQ(leg_.GetLine(), kLegLine);
    EXPECT_EQ(TextOf(leg_._Getword()), "KLAX");
}

TEST_F(FillFilevalTest, KeepsTheId) {
    leg_._Setid("SID1");
    leg_.FillFileval(kLegLine);
    EXPECT_EQ(TextOf(leg_._Getid()), "SID1");
    EXPECT_FALSE(leg_.IsEmpty());
}

TEST_F(FillFilevalTest, EmptyTextEmptiesEverythingAndTheId) {
    for (const char* empty : {static_cast<const char*>(nullptr), ""}) {
        leg_.FillFileval(kLegLine);
        leg_._Setid("SID1");
        leg_.kind = 2;
        leg_.FillFileval(empty);
        EXPECT_TRUE(leg_.IsEmpty());
        EXPECT_EQ(leg_.kind, -1);
        EXPECT_EQ(leg_.GetLine(), nullptr);
        EXPECT_EQ(leg_._Getcode(), nullptr);
        EXPECT_EQ(leg_._Getid(), nullptr);
    }
}

TEST(FilevalText, SettersCopyAndIgnoreNull) {
    fileval leg;
    char text[] = "LAX";
    leg._Sethdgid(text);
    text[0] = 'X';
    EXPECT_EQ(TextOf(leg._Gethdgid()), "LAX");
    leg._Sethdgid(nullptr);
    leg._Setid(nullptr);
    EXPECT_EQ(TextOf(leg._Gethdgid()), "LAX");
    EXPECT_EQ(leg._Getid(), nullptr);
}

TEST(FilevalIsEmpty, DependsOnTheIdAlone) {
    fileval leg;
    EXPECT_TRUE(leg.IsEmpty());
    leg._Setid("");
    EXPECT_TRUE(leg.IsEmpty());
    leg._Setid("SID1");
    EXPECT_FALSE(leg.IsEmpty());
}

class FilevalAssignment : public testing::Test {
protected:
    void SetUp() override {
        source_.FillFileval(kLegLine);
        target_.FillFileval("t02=N:Navaids:");
        target_._Setid("OLD");
        target_.kind = 4;
    }
    fileval source_;
    fileval target_;
};

TEST_F(FilevalAssignment, RefillsFromTheLineAndCopiesTheId) {
    source_._Setid("SID1");
    target_ = source_;
    EXPECT_STREQ(target_.GetLine(), kLegLine);
    EXPECT_EQ(TextOf(target_._Getword()), "KLAX");
    EXPECT_EQ(TextOf(target_._Getid()), "SID1");
    EXPECT_EQ(target_.kind, -1);
    EXPECT_DOUBLE_EQ(target_.heading, 270.0);
}

TEST_F(FilevalAssignment, SourceWithoutIdLeavesTheTargetWithout) {
    target_ = source_;
    EXPECT_EQ(target_._Getid(), nullptr);
    EXPECT_TRUE(target_.IsEmpty());
}

TEST_F(FilevalAssignment, EmptySourceEmptiesTheTarget) {
    target_ = fileval();
    EXPECT_EQ(target_.GetLine(), nullptr);
    EXPECT_EQ(target_._Getword(), nullptr);
    EXPECT_TRUE(target_.IsEmpty());
}

TEST_F(FilevalAssignment, SelfAssignmentChangesNothing) {
    const fileval& self = target_;
    target_ = self;
    EXPECT_EQ(TextOf(target_.GetLine()), "t02=N:Navaids:");
    EXPECT_EQ(TextOf(target_._Getid()), "OLD");
    EXPECT_EQ(target_.kind, 4);
}

TEST_F(FilevalAssignment, CopyIsDeep) {
    source_._Setid("SID1");
    const fileval copy(source_);
    ASSERT_NE(copy.GetLine(), nullptr);
    EXPECT_NE(copy.GetLine(), source_.GetLine());
    EXPECT_NE(copy._Getid(), source_._Getid());

    source_._Setword("changed");
    source_.Empty();
    EXPECT_STREQ(copy.GetLine(), kLegLine);
    EXPECT_EQ(TextOf(copy._Getword()), "KLAX");
    EXPECT_EQ(TextOf(copy._Getid()), "SID1");
}

}  // namespace
