#include "periphery/version_check.h"

#include <gtest/gtest.h>

#include <tuple>

#include "testing/temp_environment.h"

namespace trevalo {
namespace {

std::time_t LocalTime(int year, int month, int day, int hour = 0, int minute = 0) {
    std::tm when{};
    when.tm_year = year - 1900;
    when.tm_mon = month - 1;
    when.tm_mday = day;
    when.tm_hour = hour;
    when.tm_min = minute;
    when.tm_isdst = -1;
    return std::mktime(&when);
}

class VersionCheckTest : public ::testing::Test {
protected:
    void LastCheckOn(int year, int month, int day) {
        settings_.WriteInt(SettingId::Year, year);
        settings_.WriteInt(SettingId::Month, month);
        settings_.WriteInt(SettingId::Day, day);
    }

    platform::testing::TempEnvironment env_;
    Settings settings_;
};

TEST_F(VersionCheckTest, AFreshStoreSwitchesTheCheckOnDatedTodayAndAsksThirtyDaysLater) {
    const std::time_t now = LocalTime(2024, 3, 10, 15, 30);
    EXPECT_FALSE(IsVersionQuestionDue(settings_, now));
    EXPECT_EQ(settings_.ReadInt(SettingId::Check), 1);
    EXPECT_EQ(settings_.ReadInt(SettingId::CheckDay), 30);
    EXPECT_EQ(settings_.ReadInt(SettingId::Year), 2024);
    EXPECT_EQ(settings_.ReadInt(SettingId::Month), 3);
    EXPECT_EQ(settings_.ReadInt(SettingId::Day), 10);
    EXPECT_FALSE(IsVersionQuestionDue(settings_, LocalTime(2024, 4, 8, 23, 59)));
    EXPECT_TRUE(IsVersionQuestionDue(settings_, LocalTime(2024, 4, 9)));
}

TEST_F(VersionCheckTest, TheQuestionComesAfterTheSetDaysAndNeverSoonerThanThirty) {
    struct Case {
        const char* name;
        int check, checkDay;
        std::time_t now;
        bool due;
    };
    const Case cases[] = {
        {"60 days, 59 days and 23 hours on", 1, 60, LocalTime(2024, 2, 29, 23), false},
        {"60 days, 60 days on", 1, 60, LocalTime(2024, 3, 1), true},
        {"switched off", 0, 60, LocalTime(2024, 6, 1), false},
        {"0 days counts as 30: a day on", 1, 0, LocalTime(2024, 1, 2), false},
        {"0 days counts as 30: 30 days on", 1, 0, LocalTime(2024, 1, 31), true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        LastCheckOn(2024, 1, 1);
        settings_.WriteInt(SettingId::Check, c.check);
        settings_.WriteInt(SettingId::CheckDay, c.checkDay);
        EXPECT_EQ(IsVersionQuestionDue(settings_, c.now), c.due);
    }
}

TEST_F(VersionCheckTest, AStoredDateThatIsNoneStartsAgainFromNow) {
    for (auto [year, month, day] :
         {std::tuple{1969, 5, 5}, std::tuple{2039, 1, 1}, std::tuple{2020, 13, 1}, std::tuple{2020, 2, 0}}) {
        LastCheckOn(year, month, day);
        settings_.WriteInt(SettingId::Check, 0);
        const std::time_t now = LocalTime(2025, 7, 4, 12);
        EXPECT_EQ(GetLastCheckDate(settings_, now), now) << year << "-" << month << "-" << day;
        EXPECT_EQ(settings_.ReadInt(SettingId::Check), 1);
        EXPECT_EQ(settings_.ReadInt(SettingId::Year), 2025);
    }
    LastCheckOn(2025, 7, 4);
    EXPECT_EQ(GetLastCheckDate(settings_, 0), LocalTime(2025, 7, 4));
}

}  // namespace
}  // namespace trevalo
