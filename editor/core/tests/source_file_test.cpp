#include "quillet/source_file.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include "testing/temp_environment.h"

namespace quillet {
namespace {

using platform::testing::TempEnvironment;

TEST(SourceFileTest, ReadingTakesCrLfAndLfAlikeAndWritingEndsEveryLineInCrLf) {
    TempEnvironment env;
    env.writeFile("drive_c/a.txt", "one\r\ntwo\nthree\rfour");
    std::string text;
    ASSERT_TRUE(ReadSourceText("C:\\a.txt", text));
    EXPECT_EQ(text, "one\ntwo\nthreefour");
    ASSERT_TRUE(WriteSourceText("C:\\a.txt", "x\r\ny\rz\n"));
    EXPECT_EQ(TempEnvironment::readFile(env.driveC() / "a.txt"), "x\r\nyz\r\n");
    EXPECT_FALSE(ReadSourceText("C:\\missing.txt", text));
    EXPECT_EQ(text, "");
}

TEST(SourceFileTest, AFileThatCannotBeWrittenIsLeftAsItWas) {
    TempEnvironment env;
    const auto file = env.writeFile("drive_c/ro.txt", "kept\r\n");
    ASSERT_EQ(::chmod(file.c_str(), 0444), 0);
    EXPECT_FALSE(WriteSourceText("C:\\ro.txt", "new"));
    EXPECT_EQ(TempEnvironment::readFile(file), "kept\r\n");
}

}  // namespace
}  // namespace quillet
