// Compile against the stand-in compiler (found beside the test binary) and stepping
// through its errors with F4 and the previous-error command.
#include <QListWidget>
#include <filesystem>

#include "build_bar.h"
#include "command_ids.h"
#include "editor_fixture.h"
#include "platform/process.h"
#include "platform/text.h"
#include "quillet/adventure_build.h"

namespace quillet::testing {
namespace {

constexpr const char* kGoodSource = "start:\r\n\tIF X > 2\r\n\t\tGOSUB sub\r\n\tENDIF\r\nsub:\r\n\tRETURN\r\n";
constexpr const char* kBadSource = "start:\r\n\tIF X > 2\r\n\tGOSUB nowhere\r\n";

class CompileTest : public EditorTest {
protected:
    CBuildBar& Bar() const { return app_.MainFrame()->BuildBar(); }
    std::vector<std::string> Listed() const { return Bar().Lines(); }
    std::string SelectedLineOf(const CQuilletDoc& document) const {
        return EditOf(document).textCursor().selectedText().toStdString();
    }
};

TEST_F(CompileTest, ASoundSourceIsListedAndItsAdventureCreated) {
    Open(WriteSource("My Adv/Flight.txt", kGoodSource));
    ASSERT_TRUE(Run(kCmdCompileMenu));
    EXPECT_TRUE(Bar().isVisibleTo(app_.MainFrame()));
    ASSERT_EQ(Listed().size(), 4u);
    EXPECT_EQ(Listed()[2], "Flight.txt - 0 - Error(s)");
    EXPECT_EQ(Listed()[3], "Flight.txt (adv) - Created");
    EXPECT_EQ(Bar().List().count(), 4);
    EXPECT_TRUE(ReadHost("My Adv/Flight.adv").starts_with("ADVENTURE"));
    EXPECT_TRUE(boxes_.texts().empty());
}

TEST_F(CompileTest, F4StepsThroughTheErrorsAndStartsAgainAtTheTop) {
    CQuilletDoc& document = Open(WriteSource("Adv/Flight.txt", kBadSource));
    ASSERT_TRUE(Run(kCmdCompile));
    ASSERT_EQ(Listed().size(), 6u);
    EXPECT_EQ(Listed()[2], document.GetPathName() + " 2: IF not closed");
    EXPECT_FALSE(std::filesystem::exists(env_.driveC() / "Adv/Flight.adv"));

    ASSERT_TRUE(Run(kCmdNextError));
    EXPECT_EQ(SelectedLineOf(document), "\tIF X > 2");
    EXPECT_EQ(Bar().List().currentRow(), 2);
    ASSERT_TRUE(Run(kCmdNextError));
    EXPECT_EQ(SelectedLineOf(document), "\tGOSUB nowhere");
    ASSERT_TRUE(Run(kCmdPreviousError));
    EXPECT_EQ(SelectedLineOf(document), "\tIF X > 2");
    // Past the last error the next F4 finds nothing, the one after starts at the top.
    ASSERT_TRUE(Run(kCmdNextError));
    ASSERT_TRUE(Run(kCmdNextError));
    EditOf(document).moveCursor(QTextCursor::End);
    ASSERT_TRUE(Run(kCmdNextError));
    EXPECT_EQ(SelectedLineOf(document), "\tIF X > 2");
}

TEST_F(CompileTest, ErrorsOfOneDocumentAreFoundWhileAnotherIsCurrent) {
    CQuilletDoc& bad = Open(WriteSource("Adventures With Blanks/Flight.txt", kBadSource));
    ASSERT_TRUE(Run(kCmdCompile));
    CQuilletDoc& other = Open(WriteSource("B/A much longer name than the first one.txt", "x"));
    ASSERT_EQ(app_.CurrentDocument(), &other);
    ASSERT_TRUE(Run(kCmdNextError));
    EXPECT_EQ(app_.CurrentDocument(), &bad);
    EXPECT_EQ(SelectedLineOf(bad), "\tIF X > 2");
    // A second compile of the other document lists its own result.
    EditOf(other).setFocus();
    ASSERT_TRUE(Run(kCmdCompile));
    EXPECT_EQ(Bar().ListedPath(), other.GetPathName());
}

TEST_F(CompileTest, ErrorLinesOutsideTheTextSelectTheFirstOrLastLine) {
    CQuilletDoc& document = Open(WriteSource("Adv/Flight.txt", "first\r\nlast"));
    const std::string path = document.GetPathName();
    for (const auto& [line, selected] : {std::pair{"0", "first"}, {"-4", "first"}, {"99", "last"}}) {
        Bar().ShowList({"heading", path + " " + line + ": message"}, path);
        app_.MainFrame()->SetErrorIndex(0);
        ASSERT_TRUE(Run(kCmdNextError));
        EXPECT_EQ(SelectedLineOf(document), selected) << line;
    }
}

TEST_F(CompileTest, AnUntitledDocumentIsSavedUnderTheFirstFreeBuildName) {
    WriteSource("Quillet/Build1.txt", "a user's file");
    CQuilletDoc& document = *app_.OnFileNew();
    TypeAtEnd(document, "start:");
    ASSERT_TRUE(Run(kCmdCompile));
    EXPECT_EQ(document.GetPathName(), "C:\\Quillet\\Build2.txt");
    EXPECT_EQ(ReadHost("Quillet/Build1.txt"), "a user's file");
    EXPECT_EQ(ReadHost("Quillet/Build2.txt"), "start:");
    EXPECT_EQ(Listed().back(), "Build2.txt (adv) - Created");
    EXPECT_EQ(app_.Recent().Paths().front(), "C:\\Quillet\\Build2.txt");
}

TEST_F(CompileTest, AnUntitledDocumentThatCannotBeSavedStopsTheBuild) {
    settings_.WriteString(trevalo::SettingId::Directory, "C:\\Blocked\\");
    WriteSource("Blocked", "a file where the folder should be");
    TypeAtEnd(*app_.OnFileNew(), "start:");
    ASSERT_TRUE(Run(kCmdCompile));
    EXPECT_EQ(boxes_.texts(), std::vector<std::string>{kBuildSaveFailedMessage});
    EXPECT_TRUE(Listed().empty());
}

TEST_F(CompileTest, AMissingCompilerStopsTheBuild) {
    settings_.WriteString(trevalo::SettingId::AdventureBuild, "C:\\Quillet\\Nowhere.exe");
    Open(WriteSource("Adv/Flight.txt", kGoodSource));
    ASSERT_TRUE(Run(kCmdCompile));
    EXPECT_EQ(boxes_.texts(), std::vector<std::string>{kBuildCompilerMissingMessage});
    EXPECT_TRUE(Listed().empty());
}

TEST_F(CompileTest, ACompilerThatDoesNotRunIsNamedAndNothingIsListed) {
    platform::ProgramStartRecorder starts({{true, 127}});
    Open(WriteSource("Adv/Flight.txt", kGoodSource));
    ASSERT_TRUE(Run(kCmdCompile));
    ASSERT_EQ(boxes_.texts(),
              std::vector<std::string>{platform::Format(kBuildCompilerDidNotRunMessage, "C:\\Quillet\\DuzE.exe")});
    EXPECT_EQ(boxes_.shown().front().icon, platform::MbIcon::Stop);
    EXPECT_TRUE(Listed().empty());
}

TEST_F(CompileTest, ACompilerThatCannotStartIsReported) {
    platform::ProgramStartRecorder starts({{false, 0}});
    Open(WriteSource("Adv/Flight.txt", kGoodSource));
    ASSERT_TRUE(Run(kCmdCompile));
    ASSERT_EQ(starts.requests().size(), 1u);
    EXPECT_EQ(starts.requests().front().show, platform::ShowMode::Hidden);
    EXPECT_TRUE(starts.requests().front().arguments.starts_with(" -e \""));
    EXPECT_TRUE(starts.requests().front().arguments.ends_with("Build.txt\" build"));
    EXPECT_EQ(boxes_.texts(), std::vector<std::string>{kBuildCompilerMissingMessage});
}

}  // namespace
}  // namespace quillet::testing
