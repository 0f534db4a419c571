#include "wx/startup_file.h"

#include <gtest/gtest.h>

#include "platform/files.h"
#include "testing/temp_environment.h"
#include "wx/wx_codec.h"
#include "wx/wx_file.h"

namespace wx {
namespace {

constexpr const char* kPath = "C:\\Quillet\\AdvWx.wx";

class StartupFileTest : public ::testing::Test {
protected:
    std::string OnDisk() const {
        std::string bytes;
        EXPECT_TRUE(platform::ReadFileBytes(kPath, bytes));
        return bytes;
    }
    static std::string GlobalRecord() {
        const WxBytes bytes = EncodeRecord(NewRecord(-1));
        return std::string(reinterpret_cast<const char*>(bytes.data()), bytes.size());
    }

    platform::testing::TempEnvironment env_;
};

// A second session from the planner keeps the weather of the first one.
TEST_F(StartupFileTest, AFileWithRecordsIsOpenedAsItIs) {
    const std::string twoRecords = GlobalRecord() + GlobalRecord();
    env_.writeFile("drive_c/Quillet/AdvWx.wx", twoRecords);
    const StartupFile result = PrepareStartupFile(kPath);
    EXPECT_EQ(result.error, WxError::None);
    EXPECT_TRUE(result.existed);
    EXPECT_FALSE(result.created);
    EXPECT_EQ(OnDisk(), twoRecords);
}

TEST_F(StartupFileTest, AMissingOrEmptyFileGetsTheGlobalRecord) {
    ASSERT_TRUE(platform::CreateDirectory("C:\\Quillet"));
    StartupFile result = PrepareStartupFile(kPath);
    EXPECT_EQ(result.error, WxError::None);
    EXPECT_FALSE(result.existed);
    EXPECT_TRUE(result.created);
    EXPECT_EQ(OnDisk(), GlobalRecord());

    env_.writeFile("drive_c/Quillet/AdvWx.wx", "");
    result = PrepareStartupFile(kPath);
    EXPECT_TRUE(result.existed);
    EXPECT_TRUE(result.created);
    EXPECT_EQ(OnDisk(), GlobalRecord());
}

TEST_F(StartupFileTest, ADamagedFileIsLeftAlone) {
    env_.writeFile("drive_c/Quillet/AdvWx.wx", "not a weather file");
    const StartupFile result = PrepareStartupFile(kPath);
    EXPECT_EQ(result.error, WxError::Damaged);
    EXPECT_FALSE(result.created);
    EXPECT_EQ(OnDisk(), "not a weather file");
}

TEST_F(StartupFileTest, AFileThatCannotBeMadeIsReported) {
    const StartupFile result = PrepareStartupFile("C:\\No Such Folder\\AdvWx.wx");
    EXPECT_EQ(result.error, WxError::WriteFailed);
    EXPECT_FALSE(result.existed);
}

}  // namespace
}  // namespace wx
