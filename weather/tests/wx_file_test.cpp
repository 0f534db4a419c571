#include "wx/wx_file.h"

#include <sys/stat.h>

#include <gtest/gtest.h>

#include <filesystem>

#include "platform/files.h"
#include "platform/paths.h"
#include "testing/temp_environment.h"
#include "wx/wx_units.h"
#include "wx_test_bytes.h"

namespace wx {
namespace {

using testing::Bytes;

const Bytes kGlobal = testing::NewRecordBytes(-1);
const Bytes kTwoRecords = testing::Concat({kGlobal, testing::NewRecordBytes(5)});

class WxFileTest : public ::testing::Test {
protected:
    static constexpr const char* kPath = "C:\\Weather\\Test.wx";

    void Write(const Bytes& bytes) {
        const std::string text(reinterpret_cast<const char*>(bytes.data()), bytes.size());
        env_.writeFile("drive_c/Weather/Test.wx", text);
    }
    Bytes OnDisk() const {
        const std::string text = platform::testing::TempEnvironment::readFile(platform::HostPath(kPath));
        Bytes bytes(text.size());
        std::transform(text.begin(), text.end(), bytes.begin(), [](char c) { return std::byte(c); });
        return bytes;
    }
    size_t FilesInFolder() const {
        const auto folder = platform::HostPath("C:\\Weather");
        return static_cast<size_t>(
            std::distance(std::filesystem::directory_iterator(folder), std::filesystem::directory_iterator()));
    }

    platform::testing::TempEnvironment env_;
};

TEST_F(WxFileTest, InsertedLayerReadsBackFromDisk) {
    Write(kTwoRecords);
    const WxLayer cloud = WxCloudLayer{.type = 6, .bottom = FeetToMetres(3000), .coverage = StoredCoverage(3)};
    ASSERT_EQ(WriteFileLayer(kPath, 1, 0, true, cloud), WxError::None);

    EXPECT_EQ(OnDisk().size(), kTwoRecords.size() + kWxCloudLayerSize);
    WxRecord record;
    size_t count = 0;
    ASSERT_EQ(ReadFileRecord(kPath, 1, record, &count), WxError::None);
    EXPECT_EQ(count, 2u);
    ASSERT_EQ(record.clouds.size(), 1u);
    EXPECT_EQ(record.clouds[0].coverage, 4);
    EXPECT_EQ(ShownCoverage(record.clouds[0].coverage), 3);
    EXPECT_EQ(ShownFeet(record.clouds[0].bottom), 3000);
    EXPECT_EQ(FilesInFolder(), 1u);
}

// 2000 ft is 609.57 m, stored as whole metres and shown as 1998 ft, on insert and on
// update alike.
TEST_F(WxFileTest, WindAltitudeIsConvertedOnceOnInsertAndUpdate) {
    Write(kGlobal);
    const WxLayer wind = WxWindLayer{.upperAltitude = WindAltitudeFromFeet(2000)};
    ASSERT_EQ(WriteFileLayer(kPath, 0, 1, true, wind), WxError::None);
    ASSERT_EQ(WriteFileLayer(kPath, 0, 0, false, wind), WxError::None);
    WxRecord record;
    ASSERT_EQ(ReadFileRecord(kPath, 0, record), WxError::None);
    ASSERT_EQ(record.winds.size(), 2u);
    for (const WxWindLayer& layer : record.winds) {
        EXPECT_EQ(layer.upperAltitude, 609.0f);
        EXPECT_EQ(ShownFeet(layer.upperAltitude), 1998);
    }
}

TEST_F(WxFileTest, EveryEditReadsBackFromDisk) {
    Write(kTwoRecords);
    ASSERT_EQ(SetFileIcaoIndex(kPath, 1, 99), WxError::None);
    ASSERT_EQ(SetFilePressure(kPath, 1, 1001.5f), WxError::None);
    ASSERT_EQ(DeleteFileLayer(kPath, 1, WxLayerKind::Temperature, 0), WxError::None);
    WxRecord record;
    ASSERT_EQ(ReadFileRecord(kPath, 1, record), WxError::None);
    EXPECT_EQ(record.header.icaoIndex, 99);
    EXPECT_EQ(record.pressure.pressure, 1001.5f);
    EXPECT_TRUE(record.temperatures.empty());
    EXPECT_EQ(OnDisk().size(), kTwoRecords.size() - kWxTemperatureLayerSize);

    ASSERT_EQ(DeleteFileRecord(kPath, 1), WxError::None);
    EXPECT_EQ(OnDisk(), kGlobal);
}

TEST_F(WxFileTest, AppendCreatesAMissingFileAndGrowsAnOldOne) {
    std::filesystem::create_directories(platform::HostPath("C:\\Weather"));
    ASSERT_EQ(AppendFileRecord(kPath, -1), WxError::None);
    EXPECT_EQ(OnDisk(), kGlobal);
    ASSERT_EQ(AppendFileRecord(kPath, 5), WxError::None);
    EXPECT_EQ(OnDisk(), kTwoRecords);
}

TEST_F(WxFileTest, AnEmptyFileHoldsNoRecord) {
    Write({});
    WxRecord record;
    size_t count = 7;
    EXPECT_EQ(ReadFileRecord(kPath, 0, record, &count), WxError::NoSuchRecord);
    EXPECT_EQ(count, 0u);
    EXPECT_EQ(WriteFileLayer(kPath, 0, 0, true, WxWindLayer{}), WxError::NoSuchRecord);
    EXPECT_TRUE(OnDisk().empty());
}

TEST_F(WxFileTest, FailuresLeaveTheFileAsItWas) {
    Bytes damaged = kTwoRecords;
    damaged.pop_back();
    Write(damaged);
    EXPECT_EQ(WriteFileLayer(kPath, 0, 0, true, WxWindLayer{}), WxError::Damaged);
    EXPECT_EQ(AppendFileRecord(kPath, 3), WxError::Damaged);
    EXPECT_EQ(OnDisk(), damaged);

    Write(kTwoRecords);
    std::filesystem::permissions(platform::HostPath(kPath), std::filesystem::perms::owner_read);
    EXPECT_EQ(SetFilePressure(kPath, 0, 1.0f), WxError::WriteFailed);
    EXPECT_EQ(OnDisk(), kTwoRecords);
    EXPECT_EQ(FilesInFolder(), 1u);
}

TEST_F(WxFileTest, AFolderIsNotAFile) {
    ASSERT_TRUE(platform::CreateDirectory(kPath));
    WxRecord record;
    EXPECT_EQ(ReadFileRecord(kPath, 0, record), WxError::NotAFile);
    EXPECT_EQ(CreateGlobalFile(kPath), WxError::NotAFile);
    EXPECT_EQ(AppendFileRecord(kPath, -1), WxError::NotAFile);
    EXPECT_TRUE(std::filesystem::is_directory(platform::HostPath(kPath)));
}

TEST_F(WxFileTest, NoFileIsNoFile) {
    WxRecord record;
    EXPECT_EQ(ReadFileRecord(kPath, 0, record), WxError::NoFile);
    EXPECT_EQ(SetFileIcaoIndex(kPath, 0, 1), WxError::NoFile);
    EXPECT_EQ(SetFileIcaoIndex("", 0, 1), WxError::NoFile);
    EXPECT_EQ(AppendFileRecord("", -1), WxError::NoFile);
    EXPECT_FALSE(ErrorText(WxError::Damaged, kPath).empty());
}

}  // namespace
}  // namespace wx
