#include "platform/message_box.h"

#include <gtest/gtest.h>

#include <thread>

namespace platform {
namespace {

TEST(MessageBoxTest, RecorderAnswersFromScriptThenDefaultButton) {
    SetProgramTitle("Trevalo");
    MessageBoxRecorder recorder({MbResult::No});
    EXPECT_EQ(MessageBox("Overwrite?", {}, MbIcon::Question, MbButtons::YesNo), MbResult::No);
    const struct {
        MbButtons buttons;
        int defaultButton;
        MbResult expected;
    } defaults[] = {
        {MbButtons::Ok, 0, MbResult::Ok},
        {MbButtons::YesNo, 0, MbResult::Yes},
        {MbButtons::YesNo, 1, MbResult::No},
        {MbButtons::YesNoCancel, 2, MbResult::Cancel},
    };
    for (const auto& test : defaults)
        EXPECT_EQ(MessageBox("t", "c", MbIcon::None, test.buttons, test.defaultButton), test.expected);

    const auto shown = recorder.shown();
    ASSERT_EQ(shown.size(), 5u);
    EXPECT_EQ(shown[0].text, "Overwrite?");
    EXPECT_EQ(shown[0].caption, "Trevalo");  // empty caption means the program title
    EXPECT_EQ(shown[0].icon, MbIcon::Question);
    EXPECT_EQ(shown[1].caption, "c");
    recorder.clear();
    EXPECT_TRUE(recorder.texts().empty());
}

TEST(MessageBoxTest, RecorderRestoresThePreviousHandler) {
    int outerCalls = 0;
    SetMessageBoxHandler([&](const MessageBoxRequest&) {
        ++outerCalls;
        return MbResult::Cancel;
    });
    {
        MessageBoxRecorder recorder;
        MessageBox("inner");
        EXPECT_EQ(recorder.texts(), std::vector<std::string>{"inner"});
    }
    EXPECT_EQ(MessageBox("outer"), MbResult::Cancel);
    EXPECT_EQ(outerCalls, 1);
    SetMessageBoxHandler({});
    EXPECT_EQ(MessageBox("to stderr", "test", MbIcon::Stop, MbButtons::YesNoCancel, 1), MbResult::No);
}

TEST(MessageBoxTest, RecorderTakesBoxesFromManyThreads) {
    MessageBoxRecorder recorder;
    std::vector<std::thread> threads;
    for (int t = 0; t < 4; ++t)
        threads.emplace_back([] {
            for (int i = 0; i < 100; ++i) MessageBox("loader failed");
        });
    for (std::thread& thread : threads) thread.join();
    EXPECT_EQ(recorder.texts().size(), 400u);
}

}  // namespace
}  // namespace platform
