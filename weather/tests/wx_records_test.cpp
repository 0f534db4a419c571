#include "wx/wx_records.h"

#include <gtest/gtest.h>

#include "wx_test_bytes.h"

namespace wx {
namespace {

using testing::Bytes;
using testing::Concat;

// Record 0: global, one layer of each kind but clouds. Record 1: local, two winds,
// one visibility, two clouds, one temperature.
const Bytes kGlobal = Concat({testing::Header(0, 1, 0, 1), testing::Wind(1000.0f), testing::Visibility(48000.0f),
                              testing::Temperature(0.0f), testing::Pressure(1012.0f)});
const Bytes kLocal = Concat({testing::Header(1, 1, 2, 1, 42), testing::Wind(500.0f), testing::Wind(2000.0f),
                             testing::Visibility(9000.0f), testing::Cloud(6), testing::Cloud(8),
                             testing::Temperature(100.0f), testing::Pressure(990.0f)});

Bytes TwoRecords() { return Concat({kGlobal, kLocal}); }

Bytes Slice(const Bytes& bytes, size_t from, size_t size) {
    return Bytes(bytes.begin() + static_cast<ptrdiff_t>(from), bytes.begin() + static_cast<ptrdiff_t>(from + size));
}

TEST(WxWalk, FindsEveryRecordOfASoundFile) {
    const Bytes bytes = TwoRecords();
    const WxWalk walk = WalkRecords(bytes);
    ASSERT_EQ(walk.error, WxError::None);
    ASSERT_EQ(walk.records.size(), 2u);
    EXPECT_EQ(walk.records[0].size, 96u);
    EXPECT_EQ(walk.records[1].offset, 96u);
    EXPECT_EQ(walk.records[1].size, 68u + 28 + 12 + 88 + 16);
    EXPECT_TRUE(WalkRecords({}).records.empty());
    EXPECT_EQ(WalkRecords({}).error, WxError::None);
}

struct DamagedCase {
    const char* name;
    Bytes bytes;
};

class WxWalkDamaged : public ::testing::TestWithParam<DamagedCase> {};

TEST_P(WxWalkDamaged, RefusesTheFile) {
    const WxWalk walk = WalkRecords(GetParam().bytes);
    EXPECT_EQ(walk.error, WxError::Damaged);
    EXPECT_TRUE(walk.records.empty());
}

Bytes Truncated(Bytes bytes, size_t drop) {
    bytes.resize(bytes.size() - drop);
    return bytes;
}

Bytes WithHeader(Bytes header) { return Concat({kGlobal, header, Slice(kLocal, 28, kLocal.size() - 28)}); }

INSTANTIATE_TEST_SUITE_P(
    Cases, WxWalkDamaged,
    ::testing::Values(DamagedCase{"ShortHeader", Slice(kGlobal, 0, 27)},
                      DamagedCase{"LastRecordOneByteShort", Truncated(TwoRecords(), 1)},
                      DamagedCase{"TrailingBytes", Concat({kGlobal, Bytes(3)})},
                      DamagedCase{"NegativeWindCount", WithHeader(testing::Header(-1, 1, 2, 1))},
                      DamagedCase{"NegativeVisibilityCount", WithHeader(testing::Header(1, -1, 2, 1))},
                      DamagedCase{"NegativeCloudCount", WithHeader(testing::Header(1, 1, -2, 1))},
                      DamagedCase{"NegativeTemperatureCount", WithHeader(testing::Header(1, 1, 2, INT32_MIN))},
                      DamagedCase{"HugeCloudCount", WithHeader(testing::Header(1, 1, INT32_MAX, 1))},
                      DamagedCase{"HugeWindCount", WithHeader(testing::Header(INT32_MAX, 1, 2, 1))}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(WxRead, ReturnsEveryLayerOfTheRecord) {
    WxRecord record;
    ASSERT_EQ(ReadRecord(TwoRecords(), 1, record), WxError::None);
    EXPECT_EQ(record.header.icaoIndex, 42);
    ASSERT_EQ(record.winds.size(), 2u);
    EXPECT_EQ(record.winds[1].upperAltitude, 2000.0f);
    EXPECT_EQ(record.winds[1].shear, 4);
    ASSERT_EQ(record.clouds.size(), 2u);
    EXPECT_EQ(record.clouds[1].type, 8);
    EXPECT_EQ(record.clouds[0].coverage, 5);
    ASSERT_EQ(record.temperatures.size(), 1u);
    EXPECT_EQ(record.temperatures[0].dewPoint, 10.0f);
    EXPECT_EQ(record.pressure.pressure, 990.0f);
    EXPECT_EQ(record.pressure.reserved, 7);
}

TEST(WxRead, WindCountLessOneOfZeroHoldsOneWindLayer) {
    WxRecord record;
    ASSERT_EQ(ReadRecord(kGlobal, 0, record), WxError::None);
    EXPECT_EQ(record.winds.size(), 1u);
    EXPECT_TRUE(record.clouds.empty());
}

TEST(WxRead, PastTheLastRecordOrDamagedIsRefused) {
    WxRecord record;
    EXPECT_EQ(ReadRecord(kGlobal, 1, record), WxError::NoSuchRecord);
    EXPECT_EQ(ReadRecord({}, 0, record), WxError::NoSuchRecord);
    EXPECT_EQ(ReadRecord(Truncated(TwoRecords(), 4), 0, record), WxError::Damaged);
}

// Inserting at each position of record 1's visibility layers (1 layer: positions 0 and
// 1, the latter appending) grows the file by one layer and moves nothing else.
class WxInsertVisibility : public ::testing::TestWithParam<size_t> {};

TEST_P(WxInsertVisibility, GrowsOnlyItsKindInItsRecord) {
    const size_t position = GetParam();
    Bytes bytes = TwoRecords();
    const WxLayer layer = WxVisibilityLayer{.range = 777.0f, .bottom = 1.0f, .top = 2.0f};
    ASSERT_EQ(WriteLayer(bytes, 1, position, true, layer), WxError::None);

    ASSERT_EQ(bytes.size(), TwoRecords().size() + kWxVisibilityLayerSize);
    EXPECT_EQ(Slice(bytes, 0, 96), kGlobal);
    WxRecord record;
    ASSERT_EQ(ReadRecord(bytes, 1, record), WxError::None);
    EXPECT_EQ(record.header.visibilityCount, 2);
    ASSERT_EQ(record.visibilities.size(), 2u);
    EXPECT_EQ(record.visibilities[position].range, 777.0f);
    EXPECT_EQ(record.visibilities[1 - position].range, 9000.0f);
    EXPECT_EQ(record.clouds[1].type, 8);
    EXPECT_EQ(record.temperatures[0].altitude, 100.0f);
    EXPECT_EQ(record.pressure.pressure, 990.0f);
}

INSTANTIATE_TEST_SUITE_P(Positions, WxInsertVisibility, ::testing::Values(0u, 1u));

TEST(WxWriteLayer, ReplacingKeepsTheLengthAndEveryOtherByte) {
    Bytes bytes = TwoRecords();
    const WxLayer layer = WxCloudLayer{.type = 10, .coverage = 9};
    ASSERT_EQ(WriteLayer(bytes, 1, 1, false, layer), WxError::None);
    ASSERT_EQ(bytes.size(), TwoRecords().size());
    const size_t cloud1 = 96 + 28 + 2 * 28 + 12 + 44;
    EXPECT_EQ(Slice(bytes, 0, cloud1), Slice(TwoRecords(), 0, cloud1));
    EXPECT_EQ(Slice(bytes, cloud1 + 44, bytes.size() - cloud1 - 44),
              Slice(TwoRecords(), cloud1 + 44, bytes.size() - cloud1 - 44));
    WxRecord record;
    ASSERT_EQ(ReadRecord(bytes, 1, record), WxError::None);
    EXPECT_EQ(record.clouds[1].type, 10);
    EXPECT_EQ(record.clouds[1].coverage, 9);
}

struct RangeCase {
    const char* name;
    size_t record;
    size_t position;
    bool insert;
    WxError expected;
};

class WxWriteLayerRange : public ::testing::TestWithParam<RangeCase> {};

TEST_P(WxWriteLayerRange, LeavesTheBytesAlone) {
    Bytes bytes = TwoRecords();
    const RangeCase& c = GetParam();
    EXPECT_EQ(WriteLayer(bytes, c.record, c.position, c.insert, WxTemperatureLayer{}), c.expected);
    EXPECT_EQ(bytes, TwoRecords());
}

INSTANTIATE_TEST_SUITE_P(Cases, WxWriteLayerRange,
                         ::testing::Values(RangeCase{"InsertPastCount", 1, 2, true, WxError::NoSuchLayer},
                                           RangeCase{"ReplaceAtCount", 1, 1, false, WxError::NoSuchLayer},
                                           RangeCase{"InsertHuge", 0, SIZE_MAX, true, WxError::NoSuchLayer},
                                           RangeCase{"RecordPastEnd", 2, 0, true, WxError::NoSuchRecord}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(WxDelete, ACloudLayerShortensTheFileBy44) {
    Bytes bytes = TwoRecords();
    ASSERT_EQ(DeleteLayer(bytes, 1, WxLayerKind::Cloud, 0), WxError::None);
    EXPECT_EQ(bytes.size(), TwoRecords().size() - 44);
    WxRecord record;
    ASSERT_EQ(ReadRecord(bytes, 1, record), WxError::None);
    EXPECT_EQ(record.header.cloudCount, 1);
    ASSERT_EQ(record.clouds.size(), 1u);
    EXPECT_EQ(record.clouds[0].type, 8);
    EXPECT_EQ(record.temperatures[0].altitude, 100.0f);
}

TEST(WxDelete, AWindLayerKeepsTheOthers) {
    Bytes bytes = TwoRecords();
    ASSERT_EQ(DeleteLayer(bytes, 1, WxLayerKind::Wind, 0), WxError::None);
    WxRecord record;
    ASSERT_EQ(ReadRecord(bytes, 1, record), WxError::None);
    EXPECT_EQ(record.header.windCountLess1, 0);
    ASSERT_EQ(record.winds.size(), 1u);
    EXPECT_EQ(record.winds[0].upperAltitude, 2000.0f);
}

TEST(WxDelete, RefusesWhatWouldBreakTheFile) {
    Bytes bytes = TwoRecords();
    EXPECT_EQ(DeleteLayer(bytes, 0, WxLayerKind::Wind, 0), WxError::LastWindLayer);
    EXPECT_EQ(DeleteLayer(bytes, 0, WxLayerKind::Cloud, 0), WxError::NoSuchLayer);
    EXPECT_EQ(DeleteLayer(bytes, 1, WxLayerKind::Visibility, 1), WxError::NoSuchLayer);
    EXPECT_EQ(DeleteRecord(bytes, 0), WxError::GlobalRecord);
    EXPECT_EQ(DeleteRecord(bytes, 2), WxError::NoSuchRecord);
    EXPECT_EQ(bytes, TwoRecords());
}

TEST(WxDelete, ALocalRecordShortensTheFileByItsSize) {
    Bytes bytes = Concat({kGlobal, kLocal, kGlobal});
    ASSERT_EQ(DeleteRecord(bytes, 1), WxError::None);
    EXPECT_EQ(bytes, Concat({kGlobal, kGlobal}));
}

TEST(WxEdit, StationAndPressureChangeOnlyTheirField) {
    Bytes bytes = TwoRecords();
    ASSERT_EQ(SetIcaoIndex(bytes, 1, 1234), WxError::None);
    ASSERT_EQ(SetPressure(bytes, 1, 1030.5f), WxError::None);
    ASSERT_EQ(bytes.size(), TwoRecords().size());
    WxRecord record;
    ASSERT_EQ(ReadRecord(bytes, 1, record), WxError::None);
    EXPECT_EQ(record.header.icaoIndex, 1234);
    EXPECT_EQ(record.pressure.pressure, 1030.5f);
    EXPECT_EQ(record.pressure.reserved, 7);
    EXPECT_EQ(record.pressure.third, 15.0f);
    EXPECT_EQ(Slice(bytes, 0, 96), kGlobal);
}

TEST(WxAppend, AddsTheNewRecordWhateverTheFileHeld) {
    Bytes bytes = TwoRecords();
    ASSERT_EQ(AppendRecord(bytes, 17), WxError::None);
    EXPECT_EQ(bytes, Concat({TwoRecords(), testing::NewRecordBytes(17)}));

    Bytes empty;
    ASSERT_EQ(AppendRecord(empty, -1), WxError::None);
    EXPECT_EQ(empty, testing::NewRecordBytes(-1));
}

TEST(WxEdit, EveryEditRefusesADamagedFile) {
    const Bytes damaged = Truncated(TwoRecords(), 2);
    Bytes bytes = damaged;
    EXPECT_EQ(AppendRecord(bytes, -1), WxError::Damaged);
    EXPECT_EQ(WriteLayer(bytes, 0, 0, true, WxWindLayer{}), WxError::Damaged);
    EXPECT_EQ(DeleteLayer(bytes, 0, WxLayerKind::Visibility, 0), WxError::Damaged);
    EXPECT_EQ(SetPressure(bytes, 0, 1.0f), WxError::Damaged);
    EXPECT_EQ(bytes, damaged);
}

}  // namespace
}  // namespace wx
