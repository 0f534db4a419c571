#include "wx/wx_records.h"

#include <algorithm>

#include "little_endian.h"

namespace wx {
namespace {

// Offset of the first layer of a kind within its record.
size_t KindOffset(const WxRecordSpan& record, WxLayerKind kind) {
    size_t offset = record.offset + kWxHeaderSize;
    for (WxLayerKind before : kWxLayerKinds) {
        if (before == kind) break;
        offset += static_cast<size_t>(LayerCount(record.header, before)) * LayerSize(before);
    }
    return offset;
}

size_t PressureOffset(const WxRecordSpan& record) { return record.offset + record.size - kWxPressureBlockSize; }

// Walks bytes and picks record r; error when the file is damaged or r is past the end.
WxError FindRecord(std::span<const std::byte> bytes, size_t r, WxRecordSpan& record) {
    WxWalk walk = WalkRecords(bytes);
    if (walk.error != WxError::None) return walk.error;
    if (r >= walk.records.size()) return WxError::NoSuchRecord;
    record = walk.records[r];
    return WxError::None;
}

void AddToCount(WxBytes& bytes, const WxRecordSpan& record, WxLayerKind kind, int32_t delta) {
    const size_t offset = record.offset + CountFieldOffset(kind);
    detail::PutInt32(bytes, offset, detail::GetInt32(bytes, offset) + delta);
}

template <class Layer>
void ReadLayers(std::span<const std::byte> bytes, const WxRecordSpan& record, WxLayerKind kind,
                std::vector<Layer>& layers) {
    const size_t size = LayerSize(kind);
    const size_t first = KindOffset(record, kind);
    const auto count = static_cast<size_t>(LayerCount(record.header, kind));
    layers.clear();
    for (size_t i = 0; i < count; ++i)
        layers.push_back(std::get<Layer>(DecodeLayer(kind, bytes.subspan(first + i * size, size))));
}

}  // namespace

WxWalk WalkRecords(std::span<const std::byte> bytes) {
    WxWalk walk;
    size_t offset = 0;
    while (offset < bytes.size()) {
        const size_t left = bytes.size() - offset;
        bool fits = left >= kWxHeaderSize;
        WxRecordSpan record{offset, 0, {}};
        if (fits) {
            record.header = DecodeHeader(bytes.subspan(offset, kWxHeaderSize));
            const WxRecordHeader& h = record.header;
            fits = h.windCountLess1 >= 0 && h.visibilityCount >= 0 && h.cloudCount >= 0 && h.temperatureCount >= 0 &&
                   static_cast<uint64_t>(RecordSize(h)) <= left;
        }
        if (!fits) {
            walk.error = WxError::Damaged;
            walk.damagedRecord = walk.records.size();
            walk.records.clear();
            return walk;
        }
        record.size = static_cast<size_t>(RecordSize(record.header));
        walk.records.push_back(record);
        offset += record.size;
    }
    return walk;
}

WxError ReadRecord(std::span<const std::byte> bytes, size_t n, WxRecord& record) {
    WxRecordSpan span;
    if (WxError error = FindRecord(bytes, n, span); error != WxError::None) return error;
    record.header = span.header;
    ReadLayers(bytes, span, WxLayerKind::Wind, record.winds);
    ReadLayers(bytes, span, WxLayerKind::Visibility, record.visibilities);
    ReadLayers(bytes, span, WxLayerKind::Cloud, record.clouds);
    ReadLayers(bytes, span, WxLayerKind::Temperature, record.temperatures);
    record.pressure = DecodePressure(bytes.subspan(PressureOffset(span), kWxPressureBlockSize));
    return WxError::None;
}

WxError WriteLayer(WxBytes& bytes, size_t r, size_t position, bool insert, const WxLayer& layer) {
    WxRecordSpan record;
    if (WxError error = FindRecord(bytes, r, record); error != WxError::None) return error;
    const auto kind = static_cast<WxLayerKind>(layer.index());
    const auto count = static_cast<size_t>(LayerCount(record.header, kind));
    if (insert ? position > count : position >= count) return WxError::NoSuchLayer;

    const WxBytes encoded = EncodeLayer(layer);
    const size_t at = KindOffset(record, kind) + position * encoded.size();
    if (insert) {
        AddToCount(bytes, record, kind, 1);
        bytes.insert(bytes.begin() + static_cast<ptrdiff_t>(at), encoded.begin(), encoded.end());
    } else {
        std::copy(encoded.begin(), encoded.end(), bytes.begin() + static_cast<ptrdiff_t>(at));
    }
    return WxError::None;
}

WxError DeleteLayer(WxBytes& bytes, size_t r, WxLayerKind kind, size_t position) {
    WxRecordSpan record;
    if (WxError error = FindRecord(bytes, r, record); error != WxError::None) return error;
    const auto count = static_cast<size_t>(LayerCount(record.header, kind));
    if (position >= count) return WxError::NoSuchLayer;
    if (kind == WxLayerKind::Wind && count == 1) return WxError::LastWindLayer;

    const size_t size = LayerSize(kind);
    const size_t at = KindOffset(record, kind) + position * size;
    AddToCount(bytes, record, kind, -1);
    bytes.erase(bytes.begin() + static_cast<ptrdiff_t>(at), bytes.begin() + static_cast<ptrdiff_t>(at + size));
    return WxError::None;
}

WxError DeleteRecord(WxBytes& bytes, size_t r) {
    WxRecordSpan record;
    if (WxError error = FindRecord(bytes, r, record); error != WxError::None) return error;
    if (r == 0) return WxError::GlobalRecord;
    const auto begin = bytes.begin() + static_cast<ptrdiff_t>(record.offset);
    bytes.erase(begin, begin + static_cast<ptrdiff_t>(record.size));
    return WxError::None;
}

WxError SetIcaoIndex(WxBytes& bytes, size_t r, int32_t icaoIndex) {
    WxRecordSpan record;
    if (WxError error = FindRecord(bytes, r, record); error != WxError::None) return error;
    detail::PutInt32(bytes, record.offset + kWxIcaoIndexOffset, icaoIndex);
    return WxError::None;
}

WxError SetPressure(WxBytes& bytes, size_t r, float pressure) {
    WxRecordSpan record;
    if (WxError error = FindRecord(bytes, r, record); error != WxError::None) return error;
    detail::PutFloat(bytes, PressureOffset(record) + kWxPressureOffset, pressure);
    return WxError::None;
}

WxRecord NewRecord(int32_t icaoIndex) {
    // unknown1 of a record the editor makes; its meaning is not known.
    constexpr int32_t kNewRecordUnknown1 = 791626;
    WxRecord record;
    record.header.unknown1 = kNewRecordUnknown1;
    record.header.icaoIndex = icaoIndex;
    record.winds = {WxWindLayer{.upperAltitude = 6562.0f}};
    record.visibilities = {WxVisibilityLayer{.range = 48000.0f, .bottom = 0, .top = 32810.0f}};
    record.temperatures = {
        WxTemperatureLayer{.altitude = 0, .dayTemperature = 15.0f, .dayNightVariation = 3.0f, .dewPoint = 15.0f}};
    record.pressure = WxPressureBlock{.reserved = 0, .pressure = 1012.2f, .third = 15.0f};
    return record;
}

WxError AppendRecord(WxBytes& bytes, int32_t icaoIndex) {
    if (WxWalk walk = WalkRecords(bytes); walk.error != WxError::None) return walk.error;
    const WxBytes record = EncodeRecord(NewRecord(icaoIndex));
    bytes.insert(bytes.end(), record.begin(), record.end());
    return WxError::None;
}

}  // namespace wx
