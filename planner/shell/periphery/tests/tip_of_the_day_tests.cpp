#include "periphery/tip_of_the_day.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "platform/message_box.h"
#include "testing/temp_environment.h"

namespace trevalo {
namespace {

constexpr const char* kTipsPath = "C:\\Quillet\\AdvTip.txt";

class TipOfTheDayTest : public ::testing::Test {
protected:
    std::filesystem::path WriteTips(const std::string& bytes) {
        return env_.writeFile("drive_c/Quillet/AdvTip.txt", bytes);
    }
    std::string Shown() { return TipOfTheDay(kTipsPath).Text(); }

    platform::testing::TempEnvironment env_;
    platform::MessageBoxRecorder boxes_;
    Settings settings_;
};

TEST_F(TipOfTheDayTest, EachShowingGivesTheNextTipAndAChangedFileStartsAgain) {
    const auto host = WriteTips("Alpha\r\nBravo\r\nCharlie\r\n");
    EXPECT_EQ(Shown(), "Alpha");
    EXPECT_EQ(Shown(), "Bravo");
    EXPECT_EQ(settings_.ReadInt(SettingId::TipFilePos), 14);

    // A new version of the file, with another modification time.
    WriteTips("Delta\r\nEcho\r\n");
    std::filesystem::last_write_time(host, std::filesystem::last_write_time(host) + std::chrono::hours(1));
    EXPECT_EQ(Shown(), "Delta");
    EXPECT_EQ(Shown(), "Echo");
    EXPECT_EQ(Shown(), "Delta");
    EXPECT_TRUE(boxes_.texts().empty());
}

TEST_F(TipOfTheDayTest, StoredPositionOutsideTheFileIsReportedAndReadingGoesOn) {
    WriteTips("Alpha\r\n");
    EXPECT_EQ(Shown(), "Alpha");
    settings_.WriteInt(SettingId::TipFilePos, 5000);
    EXPECT_EQ(Shown(), "Alpha");
    EXPECT_EQ(boxes_.texts(), std::vector<std::string>{kTipsTroubleText});
}

TEST_F(TipOfTheDayTest, MissingFileAndFileWithoutTipsOfferNoNextTip) {
    {
        TipOfTheDay tip(kTipsPath);
        EXPECT_EQ(tip.Text(), kTipsNotFoundText);
        EXPECT_FALSE(tip.HasNext());
    }
    EXPECT_EQ(settings_.ReadInt(SettingId::TipFilePos), 0);
    WriteTips("; nothing but a comment\r\n");
    TipOfTheDay tip(kTipsPath);
    EXPECT_EQ(tip.Text(), kNoTipsText);
    EXPECT_FALSE(tip.HasNext());
}

TEST_F(TipOfTheDayTest, StartUpSettingIsZeroForShowing) {
    EXPECT_TRUE(TipOfTheDay(kTipsPath).ShowAtStartUp());
    TipOfTheDay(kTipsPath).SetShowAtStartUp(false);
    EXPECT_EQ(settings_.ReadInt(SettingId::TipStartUp), 1);
    EXPECT_FALSE(TipOfTheDay(kTipsPath).ShowAtStartUp());
}

}  // namespace
}  // namespace trevalo
