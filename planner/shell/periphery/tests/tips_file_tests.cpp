#include "periphery/tips_file.h"

#include <gtest/gtest.h>

#include <vector>

#include "testing/temp_environment.h"

namespace trevalo {
namespace {

std::vector<std::string> Tips(const std::string& bytes, int count) {
    TipReader reader(bytes);
    std::vector<std::string> tips;
    for (int i = 0; i < count; ++i) tips.push_back(reader.NextTip().value_or("<none>"));
    return tips;
}

TEST(TipReaderTest, ReadsTipLinesInTurnAndGoesRoundOnce) {
    const std::string longLine(1000, 'x');
    struct Case {
        const char* name;
        std::string bytes;
        std::vector<std::string> tips;
    };
    const Case cases[] = {
        {"comments, blanks and empty lines skipped",
         "; header\r\n\r\n  indented\r\nFirst\r\n\tTabbed\nSecond",
         {"First", "Second", "First"}},
        {"LF and CR LF alike", "One\nTwo\r\n", {"One", "Two", "One"}},
        {"a long line in pieces", longLine + "\r\nNext\r\n", {std::string(999, 'x'), "x", "Next"}},
        {"a tip of 998 characters reads as one", std::string(998, 'y') + "\r\n", {std::string(998, 'y')}},
        {"no tip line at all", "; only comments\r\n \r\n", {"<none>", "<none>"}},
        {"an empty file", "", {"<none>"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(Tips(c.bytes, static_cast<int>(c.tips.size())), c.tips);
    }
}

TEST(TipReaderTest, StartsAtTheStoredPositionAndRefusesOneOutsideTheFile) {
    TipReader reader("First\r\nSecond\r\nThird\r\n");
    ASSERT_TRUE(reader.Seek(7));
    EXPECT_EQ(reader.NextTip(), "Second");
    EXPECT_EQ(reader.Position(), 15);
    EXPECT_FALSE(reader.Seek(-1));
    EXPECT_FALSE(reader.Seek(1000));
    EXPECT_EQ(reader.Position(), 15);
    EXPECT_EQ(reader.NextTip(), "Third");
    EXPECT_EQ(reader.NextTip(), "First");
}

TEST(TipReaderTest, AllTipsAreTheFilesTipsFromItsStart) {
    TipReader reader("; tips\r\nFirst\r\n\r\n" + std::string(1000, 'x') + "\nLast");
    ASSERT_TRUE(reader.Seek(9));
    EXPECT_EQ(reader.AllTips(), (std::vector<std::string>{"First", std::string(999, 'x'), "x", "Last"}));
    EXPECT_EQ(reader.Position(), 9);
    EXPECT_TRUE(TipReader("; none\r\n").AllTips().empty());
}

TEST(TipTextTest, TypedTipsAreCleanedForOneLine) {
    struct Case {
        std::string typed;
        std::string saved;
    };
    const Case cases[] = {
        {"  Press F7.  ", "Press F7."},
        {"Two\r\nlines\tand a tab", "Two  lines and a tab"},
        {std::string(1000, 'z'), std::string(998, 'z')},
        {"\n\n", ""},
    };
    for (const Case& c : cases) EXPECT_EQ(CleanTipText(c.typed), c.saved) << c.typed;
    EXPECT_TRUE(IsSkippedTip(""));
    EXPECT_TRUE(IsSkippedTip("; a comment"));
    EXPECT_FALSE(IsSkippedTip("A tip; with a semicolon"));
}

TEST(TipTextTest, TimeStampHasTheCtimeLayout) {
    const std::time_t when = 741398948;  // 1993
    const std::string stamp = TipTimeStamp(when);
    ASSERT_EQ(stamp.size(), 24u) << stamp;
    EXPECT_EQ(stamp.substr(20), "1993");
    EXPECT_EQ(stamp[3], ' ');
}

TEST(AppendTipTest, EachTipStartsALineOfItsOwn) {
    platform::testing::TempEnvironment env;
    const auto host = env.writeFile("drive_c/Quillet/AdvTip.txt", "; tips\r\nOld tip");
    ASSERT_TRUE(AppendTip("C:\\Quillet\\AdvTip.txt", "New tip"));
    ASSERT_TRUE(AppendTip("C:\\Quillet\\AdvTip.txt", "Newer tip"));
    EXPECT_EQ(env.readFile(host), "; tips\r\nOld tip\r\nNew tip\r\nNewer tip");
    EXPECT_EQ(Tips(env.readFile(host), 3), (std::vector<std::string>{"Old tip", "New tip", "Newer tip"}));
    EXPECT_FALSE(AppendTip("C:\\Quillet\\Missing.txt", "Lost"));
}

}  // namespace
}  // namespace trevalo
