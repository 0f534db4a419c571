#include "quillet/support_mail.h"

#include <gtest/gtest.h>

#include "platform/process.h"
#include "testing/temp_environment.h"

namespace quillet {
namespace {

TEST(SupportMailTest, TheAttachmentIsNamedAfterThePathOrTheTitle) {
    EXPECT_EQ(AttachmentName("C:\\Adv\\Flight.txt", "Flight.txt *", ".txt"), "Flight.txt");
    EXPECT_EQ(AttachmentName("C:Flight.txt", "x", ".txt"), "Flight.txt");
    EXPECT_EQ(AttachmentName("", "Quillet1", ".txt"), "Quillet1.txt");
    EXPECT_EQ(AttachmentName("", "notes.v2", ".txt"), "notes.v2");
}

TEST(SupportMailTest, QuotedArgumentsSplitBackIntoTheirText) {
    const std::string texts[] = {"plain", "two words", "a \"quote\"", "C:\\folder\\", "\\\\\"", "\n\nlines\n", ""};
    for (const std::string& text : texts)
        EXPECT_EQ(platform::SplitCommandLine("x " + QuotedArgument(text)), (std::vector<std::string>{"x", text}))
            << text;
}

TEST(SupportMailTest, TheMessageGoesToSupportWithItsSubjectNoteAndAttachment) {
    platform::testing::TempEnvironment env;
    const std::vector<std::string> arguments = platform::SplitCommandLine(MailProgramArguments("C:\\My Adv\\F.txt"));
    const std::vector<std::string> expected = {"--subject",
                                               kMailSubject,
                                               "--body",
                                               kMailNote,
                                               "--attach",
                                               (env.driveC() / "My Adv" / "F.txt").string(),
                                               "Quillet Support <support@quillet-applications.example>"};
    EXPECT_EQ(arguments, expected);
    EXPECT_EQ(platform::SplitCommandLine(MailProgramArguments(std::nullopt)).size(), 5u);
}

}  // namespace
}  // namespace quillet
