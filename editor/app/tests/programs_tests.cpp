// Programs the editor starts through the program-start seam: the mail program for Send
// and the planner for Launch Wizard.
#include <filesystem>

#include "command_ids.h"
#include "config_bar.h"
#include "editor_fixture.h"
#include "platform/companion_program.h"
#include "platform/paths.h"
#include "platform/process.h"
#include "quillet/support_mail.h"

namespace quillet::testing {
namespace {

using platform::ProgramStartAnswer;
using platform::ProgramStartRecorder;

class SendTest : public EditorTest {
protected:
    // The file that the mail program was given, when it was given one.
    std::optional<std::filesystem::path> Attached(const ProgramStartRecorder& starts) const {
        EXPECT_EQ(starts.requests().size(), 1u);
        if (starts.requests().empty()) return std::nullopt;
        EXPECT_EQ(starts.requests().front().program, kMailProgram);
        const std::vector<std::string> arguments = platform::SplitCommandLine(starts.requests().front().arguments);
        for (std::size_t i = 0; i + 1 < arguments.size(); ++i)
            if (arguments[i] == "--attach") return std::filesystem::path(arguments[i + 1]);
        return std::nullopt;
    }
};

TEST_F(SendTest, WithoutADocumentTheMessageGoesAlone) {
    ProgramStartRecorder starts;
    ASSERT_TRUE(Run(kCmdFileSendMail));
    EXPECT_EQ(Attached(starts), std::nullopt);
    EXPECT_TRUE(boxes_.texts().empty());
}

TEST_F(SendTest, ASavedDocumentGoesAsItsOwnFile) {
    Open(WriteSource("Adv/Flight.txt", "start:\r\n"));
    ProgramStartRecorder starts;
    ASSERT_TRUE(Run(kCmdFileSendMail));
    EXPECT_EQ(Attached(starts), env_.driveC() / "Adv/Flight.txt");
}

TEST_F(SendTest, ChangesNotSavedGoAsAPrivateCopyThatOutlivesTheHandOff) {
    CQuilletDoc& untitled = *app_.OnFileNew();
    TypeAtEnd(untitled, "typed");
    ProgramStartRecorder starts;
    ASSERT_TRUE(Run(kCmdFileSendMail));
    const auto copy = Attached(starts);
    ASSERT_TRUE(copy);
    EXPECT_EQ(copy->filename(), "Quillet1.txt");
    QCoreApplication::processEvents();
    EXPECT_EQ(platform::testing::TempEnvironment::readFile(*copy), "typed");
    EXPECT_TRUE(untitled.GetPathName().empty());
    EXPECT_TRUE(untitled.IsModified());

    CQuilletDoc& changed = Open(WriteSource("Adv/Flight.txt", "saved\r\n"));
    TypeAtEnd(changed, "typed");
    starts.clear();
    ASSERT_TRUE(Run(kCmdFileSendMail));
    const auto second = Attached(starts);
    ASSERT_TRUE(second);
    EXPECT_EQ(second->filename(), "Flight.txt");
    EXPECT_NE(second->parent_path(), env_.driveC() / "Adv");
    EXPECT_EQ(platform::testing::TempEnvironment::readFile(*second), "saved\r\ntyped");
    EXPECT_EQ(ReadHost("Adv/Flight.txt"), "saved\r\n");
    EXPECT_EQ(changed.GetPathName(), "C:\\Adv\\Flight.txt");
    EXPECT_TRUE(std::filesystem::exists(*copy));
}

TEST_F(SendTest, AMailProgramThatIsMissingOrFailsIsReported) {
    {
        ProgramStartRecorder starts({ProgramStartAnswer{false, 0}});
        ASSERT_TRUE(Run(kCmdFileSendMail));
    }
    ProgramStartRecorder starts({ProgramStartAnswer{true, 4}});
    ASSERT_TRUE(Run(kCmdFileSendMail));
    EXPECT_EQ(boxes_.texts(), (std::vector<std::string>{kMailUnavailableMessage, kMailFailedMessage}));
}

using LaunchWizardTest = EditorTest;

TEST_F(LaunchWizardTest, ThePlannerIsStartedFromItsSetting) {
    ProgramStartRecorder starts;
    ASSERT_TRUE(Run(kCmdLaunchWizard));
    ASSERT_EQ(starts.requests().size(), 1u);
    EXPECT_EQ(starts.requests().front().program, "C:\\Quillet\\Trevalo.exe");
    EXPECT_EQ(starts.requests().front().arguments, "");
    EXPECT_EQ(starts.requests().front().show, platform::ShowMode::Shown);
    EXPECT_TRUE(boxes_.texts().empty());
}

TEST_F(LaunchWizardTest, AMissingOrFailingPlannerIsReported) {
    ProgramStartRecorder starts({ProgramStartAnswer{false, 0}});
    ASSERT_TRUE(Run(kCmdLaunchWizard));
    settings_.WriteString(trevalo::SettingId::MapWizard, "C:\\Nowhere\\Planner.exe");
    ASSERT_TRUE(Run(kCmdLaunchWizard));
    EXPECT_EQ(boxes_.texts(), (std::vector<std::string>{platform::kStartFailedMessage, kWizardMissingMessage}));
    EXPECT_EQ(boxes_.shown().front().caption, platform::kStartFailedCaption);
    EXPECT_EQ(starts.requests().size(), 1u);
}

}  // namespace
}  // namespace quillet::testing
