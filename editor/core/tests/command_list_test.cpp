#include "quillet/command_list.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>

#include "platform/message_box.h"
#include "testing/temp_environment.h"

namespace quillet {
namespace {

constexpr const char* kBase = "C:\\Quillet\\";

class CommandListTest : public ::testing::Test {
protected:
    std::filesystem::path FilePath() const { return env_.driveC() / "Quillet" / kCommandFileName; }
    std::string FileBytes() const { return platform::testing::TempEnvironment::readFile(FilePath()); }
    void WriteFile(const std::string& bytes) const { env_.writeFile("drive_c/Quillet/CmdFile.cmd", bytes); }

    platform::testing::TempEnvironment env_;
    CommandList list_;
};

TEST_F(CommandListTest, AMissingFileIsCreatedEmpty) {
    ASSERT_TRUE(list_.Load(kBase));
    EXPECT_TRUE(list_.Entries().empty());
    ASSERT_TRUE(std::filesystem::exists(FilePath()));
    EXPECT_EQ(FileBytes(), "");
}

TEST_F(CommandListTest, AFolderThatCannotBeMadeIsReported) {
    env_.writeFile("drive_c/Blocked", "a file where the folder should be");
    platform::MessageBoxRecorder boxes;
    EXPECT_FALSE(list_.Load("C:\\Blocked\\"));
    EXPECT_EQ(boxes.texts(), std::vector<std::string>{kCommandFolderErrorMessage});
    EXPECT_TRUE(list_.Entries().empty());
}

TEST_F(CommandListTest, AddedNamesAreStoredRightAlignedInUpperCaseOnce) {
    ASSERT_TRUE(list_.Load(kBase));
    EXPECT_EQ(list_.AddCommand("GOSUB"), AddCommandResult::Added);
    EXPECT_EQ(FileBytes(), std::string(25, ' ') + "GOSUB\r\n");
    EXPECT_EQ(list_.AddCommand("gosub"), AddCommandResult::Exists);
    EXPECT_EQ(list_.AddCommand(""), AddCommandResult::Failed);
    EXPECT_EQ(list_.AddCommand("settimer"), AddCommandResult::Added);
    EXPECT_EQ(list_.Entries(), (std::vector<std::string>{CommandField("GOSUB"), CommandField("SETTIMER")}));
    EXPECT_EQ(list_.LookupCommand("SetTimer"), CommandField("SETTIMER"));
    EXPECT_TRUE(list_.IsUpperCaseCommand("GOSUB"));
    EXPECT_FALSE(list_.IsUpperCaseCommand("gosub"));
}

TEST_F(CommandListTest, EntriesReadWithTheirTypesFromCrLfOrLf) {
    WriteFile(CommandField("TRIGGER") + "TRIGGER\r\n" + CommandField("IF") + "\n" + "SHORT\n");
    ASSERT_TRUE(list_.Load(kBase));
    ASSERT_EQ(list_.Entries().size(), 3u);
    EXPECT_EQ(EntryName(list_.GetCommand(0)), CommandField("TRIGGER"));
    EXPECT_EQ(EntryType(list_.GetCommand(0)), "TRIGGER");
    EXPECT_EQ(EntryType(list_.GetCommand(1)), "");
    EXPECT_EQ(list_.GetCommand(3), "");
    EXPECT_EQ(list_.FindCommand("IF"), 1);
    // A name outside its field is never found.
    EXPECT_EQ(list_.FindCommand("SHORT"), -1);
    EXPECT_FALSE(list_.IsUpperCaseCommand("SHORT"));
}

TEST_F(CommandListTest, DeletingKeepsTheOtherEntriesInOrder) {
    WriteFile(CommandField("A") + "\r\n" + CommandField("B") + "\r\n" + CommandField("C") + "\r\n" + CommandField("D") +
              "\r\n" + CommandField("E") + "\r\n");
    ASSERT_TRUE(list_.Load(kBase));
    EXPECT_EQ(list_.DeleteCommand(CommandField("C")), DeleteCommandResult::Deleted);
    EXPECT_EQ(FileBytes(), CommandField("A") + "\r\n" + CommandField("B") + "\r\n" + CommandField("D") + "\r\n" +
                               CommandField("E") + "\r\n");
    EXPECT_EQ(list_.DeleteCommand("C"), DeleteCommandResult::Failed);
    EXPECT_EQ(list_.DeleteCommand(""), DeleteCommandResult::Failed);
}

TEST_F(CommandListTest, AChangeThatCannotBeWrittenChangesNothing) {
    WriteFile(CommandField("A") + "\r\n" + CommandField("B") + "\r\n");
    ASSERT_TRUE(list_.Load(kBase));
    const std::string before = FileBytes();
    ASSERT_EQ(::chmod(FilePath().c_str(), 0444), 0);
    EXPECT_EQ(list_.DeleteCommand("A"), DeleteCommandResult::Failed);
    EXPECT_EQ(list_.AddCommand("C"), AddCommandResult::Failed);
    EXPECT_EQ(list_.Entries(), (std::vector<std::string>{CommandField("A"), CommandField("B")}));
    EXPECT_EQ(FileBytes(), before);
}

TEST_F(CommandListTest, AListOfDuplicatesRefusesADeleteThatWouldLeaveTheName) {
    WriteFile(CommandField("A") + "\r\n" + CommandField("A") + "TWICE\r\n");
    ASSERT_TRUE(list_.Load(kBase));
    EXPECT_EQ(list_.DeleteCommand("A"), DeleteCommandResult::Failed);
    EXPECT_EQ(list_.Entries().size(), 2u);
}

}  // namespace
}  // namespace quillet
