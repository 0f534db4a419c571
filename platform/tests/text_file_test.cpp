#include "platform/text_file.h"

#include <gtest/gtest.h>

#include "testing/temp_environment.h"

namespace platform {
namespace {

class TextFileTest : public ::testing::Test {
protected:
    testing::TempEnvironment env_;
};

TEST_F(TextFileTest, WritesCrLfOnDisk) {
    TextFile file;
    ASSERT_TRUE(file.Open("C:\\out.txt", TextFile::Mode::Write));
    EXPECT_TRUE(file.WriteString("one\ntwo\n"));
    EXPECT_TRUE(file.WriteLine("three"));
    EXPECT_TRUE(file.WriteString("no end"));
    file.Close();
    EXPECT_EQ(testing::TempEnvironment::readFile(env_.driveC() / "out.txt"), "one\r\ntwo\r\nthree\r\nno end");
}

TEST_F(TextFileTest, ReadsLinesWithEitherLineEnd) {
    env_.writeFile("drive_c/in.txt", "crlf\r\nlf\n\r\nlast");
    std::vector<std::string> lines;
    ASSERT_TRUE(ReadLines("C:\\IN.TXT", lines));
    EXPECT_EQ(lines, (std::vector<std::string>{"crlf", "lf", "", "last"}));
    EXPECT_FALSE(ReadLines("C:\\missing.txt", lines));
}

// The databases seek to record n at n times the record's stride on disk.
class FixedStrideTest : public TextFileTest, public ::testing::WithParamInterface<int> {};

TEST_P(FixedStrideTest, TellAndSeekCountBytesOfCrLfRecords) {
    const int stride = GetParam();
    const int lineLength = stride - 2;
    TextFile file;
    ASSERT_TRUE(file.Open("C:\\records.nav", TextFile::Mode::Write));
    for (int record = 0; record < 5; ++record) {
        EXPECT_EQ(file.Tell(), record * stride);
        file.WriteLine(std::string(static_cast<size_t>(lineLength), static_cast<char>('a' + record)));
    }
    EXPECT_EQ(file.Length(), 5 * stride);
    file.Close();

    ASSERT_TRUE(file.Open("C:\\records.nav", TextFile::Mode::Read));
    for (int record : {3, 0, 4}) {
        ASSERT_TRUE(file.Seek(record * stride));
        std::string line;
        ASSERT_TRUE(file.ReadString(line));
        EXPECT_EQ(line, std::string(static_cast<size_t>(lineLength), static_cast<char>('a' + record)));
        EXPECT_EQ(file.Tell(), (record + 1) * stride);
    }
}

INSTANTIATE_TEST_SUITE_P(DatabaseStrides, FixedStrideTest, ::testing::Values(337, 172, 94));

TEST_F(TextFileTest, ReadWriteRewritesARecordInPlace) {
    env_.writeFile("drive_c/db.nav", "aaaa\r\nbbbb\r\ncccc\r\n");
    TextFile file;
    ASSERT_TRUE(file.Open("C:\\db.nav", TextFile::Mode::ReadWrite));
    ASSERT_TRUE(file.Seek(6));
    file.WriteLine("BBBB");
    file.Close();
    EXPECT_EQ(testing::TempEnvironment::readFile(env_.driveC() / "db.nav"), "aaaa\r\nBBBB\r\ncccc\r\n");
    EXPECT_FALSE(file.Open("C:\\none.nav", TextFile::Mode::ReadWrite));
}

TEST_F(TextFileTest, AppendAddsAtTheEnd) {
    env_.writeFile("drive_c/Land.nav", "first\r\n");
    TextFile file;
    ASSERT_TRUE(file.Open("C:\\Land.nav", TextFile::Mode::Append));
    file.WriteLine("second");
    file.Close();
    EXPECT_EQ(testing::TempEnvironment::readFile(env_.driveC() / "Land.nav"), "first\r\nsecond\r\n");
}

TEST_F(TextFileTest, WriteLinesReplacesTheWholeFileWithCrLf) {
    env_.writeFile("drive_c/Country.nav", "old content that is longer\r\n");
    ASSERT_TRUE(WriteLines("C:\\country.nav", {"2", "France\t1", "Spain\t0"}));
    EXPECT_EQ(testing::TempEnvironment::readFile(env_.driveC() / "Country.nav"), "2\r\nFrance\t1\r\nSpain\t0\r\n");
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(env_.driveC()), {}), 1);  // no temp left
    EXPECT_FALSE(WriteLines("C:\\NoFolder\\x.nav", {"1"}));
}

}  // namespace
}  // namespace platform
