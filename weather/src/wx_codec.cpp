#include "wx/wx_codec.h"

#include <type_traits>

#include "little_endian.h"

namespace wx {
namespace {

template <class Block>
WxBytes EncodeBlock(const Block& block) {
    WxBytes bytes;
    Block::ForEachField(block, [&](const auto& field) {
        const size_t offset = bytes.size();
        bytes.resize(offset + kWxFieldSize);
        if constexpr (std::is_same_v<std::decay_t<decltype(field)>, float>)
            detail::PutFloat(bytes, offset, field);
        else
            detail::PutInt32(bytes, offset, field);
    });
    return bytes;
}

template <class Block>
Block DecodeBlock(std::span<const std::byte> bytes) {
    Block block;
    size_t offset = 0;
    Block::ForEachField(block, [&](auto& field) {
        if constexpr (std::is_same_v<std::decay_t<decltype(field)>, float>)
            field = detail::GetFloat(bytes, offset);
        else
            field = detail::GetInt32(bytes, offset);
        offset += kWxFieldSize;
    });
    return block;
}

template <class Layer>
void AppendLayers(WxBytes& bytes, const std::vector<Layer>& layers) {
    for (const Layer& layer : layers) {
        const WxBytes encoded = EncodeBlock(layer);
        bytes.insert(bytes.end(), encoded.begin(), encoded.end());
    }
}

template <class Block>
constexpr size_t EncodedSize() {
    Block block{};
    size_t size = 0;
    Block::ForEachField(block, [&](auto&) { size += kWxFieldSize; });
    return size;
}

static_assert(EncodedSize<WxRecordHeader>() == kWxHeaderSize);
static_assert(EncodedSize<WxWindLayer>() == kWxWindLayerSize);
static_assert(EncodedSize<WxVisibilityLayer>() == kWxVisibilityLayerSize);
static_assert(EncodedSize<WxCloudLayer>() == kWxCloudLayerSize);
static_assert(EncodedSize<WxTemperatureLayer>() == kWxTemperatureLayerSize);
static_assert(EncodedSize<WxPressureBlock>() == kWxPressureBlockSize);

}  // namespace

WxBytes EncodeHeader(const WxRecordHeader& header) { return EncodeBlock(header); }
WxBytes EncodePressure(const WxPressureBlock& pressure) { return EncodeBlock(pressure); }

WxBytes EncodeLayer(const WxLayer& layer) {
    return std::visit([](const auto& l) { return EncodeBlock(l); }, layer);
}

WxBytes EncodeRecord(const WxRecord& record) {
    WxRecordHeader header = record.header;
    header.windCountLess1 = static_cast<int32_t>(record.winds.size()) - 1;
    header.visibilityCount = static_cast<int32_t>(record.visibilities.size());
    header.cloudCount = static_cast<int32_t>(record.clouds.size());
    header.temperatureCount = static_cast<int32_t>(record.temperatures.size());
    WxBytes bytes = EncodeHeader(header);
    AppendLayers(bytes, record.winds);
    AppendLayers(bytes, record.visibilities);
    AppendLayers(bytes, record.clouds);
    AppendLayers(bytes, record.temperatures);
    const WxBytes pressure = EncodePressure(record.pressure);
    bytes.insert(bytes.end(), pressure.begin(), pressure.end());
    return bytes;
}

WxRecordHeader DecodeHeader(std::span<const std::byte> bytes) { return DecodeBlock<WxRecordHeader>(bytes); }
WxPressureBlock DecodePressure(std::span<const std::byte> bytes) { return DecodeBlock<WxPressureBlock>(bytes); }

WxLayer DecodeLayer(WxLayerKind kind, std::span<const std::byte> bytes) {
    switch (kind) {
        case WxLayerKind::Wind:
            return DecodeBlock<WxWindLayer>(bytes);
        case WxLayerKind::Visibility:
            return DecodeBlock<WxVisibilityLayer>(bytes);
        case WxLayerKind::Cloud:
            return DecodeBlock<WxCloudLayer>(bytes);
        case WxLayerKind::Temperature:
            return DecodeBlock<WxTemperatureLayer>(bytes);
    }
    return {};
}

}  // namespace wx
