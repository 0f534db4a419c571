#include "platform/file_search.h"

#include <gtest/gtest.h>

#include "testing/temp_environment.h"

namespace platform {
namespace {

class FileSearchTest : public ::testing::Test {
protected:
    void SetUp() override {
        env_.writeFile("drive_c/Quillet/Map/b.tmp", "12345");
        env_.writeFile("drive_c/Quillet/Map/A.TMP", "1");
        env_.writeFile("drive_c/Quillet/Map/a.tmp", "12");
        env_.writeFile("drive_c/Quillet/Map/Land1.nav", "");
        std::filesystem::create_directories(env_.driveC() / "Quillet/Map/Sub.tmp");
    }

    static std::vector<std::string> Names(const std::vector<FoundFile>& found) {
        std::vector<std::string> names;
        for (const FoundFile& file : found) names.push_back(file.name);
        return names;
    }

    testing::TempEnvironment env_;
};

TEST_F(FileSearchTest, ListsMatchesInStableOrderWithKindAndSize) {
    const auto found = FindFiles("c:\\quillet\\MAP\\*.tmp");
    ASSERT_EQ(Names(found), (std::vector<std::string>{"A.TMP", "a.tmp", "b.tmp", "Sub.tmp"}));
    EXPECT_EQ(found[0].size, 1u);
    EXPECT_EQ(found[2].size, 5u);
    EXPECT_FALSE(found[2].isFolder);
    EXPECT_TRUE(found[3].isFolder);
}

TEST_F(FileSearchTest, SkipsDotEntriesAndHandlesMissingFolders) {
    EXPECT_EQ(Names(FindFiles("C:\\Quillet\\Map\\*.*")),
              (std::vector<std::string>{"A.TMP", "a.tmp", "b.tmp", "Land1.nav", "Sub.tmp"}));
    EXPECT_TRUE(FindFiles("C:\\Quillet\\NoSuchFolder\\*.*").empty());
    EXPECT_TRUE(FindFiles("C:\\Quillet\\Map\\*.adf").empty());
}

TEST_F(FileSearchTest, ExactSearchTellsFoundOrNot) {
    const auto file = FindFile("C:\\QUILLET\\map\\B.TMP");
    ASSERT_TRUE(file);
    EXPECT_EQ(file->name, "b.tmp");
    EXPECT_EQ(file->size, 5u);

    const auto folder = FindFile("C:\\Quillet\\Map\\");
    ASSERT_TRUE(folder);
    EXPECT_TRUE(folder->isFolder);
    EXPECT_EQ(folder->name, "Map");

    EXPECT_TRUE(FileExists("C:\\Quillet\\Map\\land1.NAV"));
    EXPECT_FALSE(FileExists("C:\\Quillet\\Map\\Land2.nav"));
    EXPECT_FALSE(FileExists("C:\\Quillet\\Missing\\Land1.nav"));
}

}  // namespace
}  // namespace platform
