// Turning weather records and their blocks into the file's bytes and back.
#pragma once

#include <cstddef>
#include <span>
#include <vector>

#include "wx/wx_layout.h"

namespace wx {

using WxBytes = std::vector<std::byte>;

WxBytes EncodeHeader(const WxRecordHeader& header);
WxBytes EncodeLayer(const WxLayer& layer);
WxBytes EncodePressure(const WxPressureBlock& pressure);
// A whole record; its header's counts are taken from the layer lists.
WxBytes EncodeRecord(const WxRecord& record);

// Readers of one block at the front of bytes, which must hold the block's size.
WxRecordHeader DecodeHeader(std::span<const std::byte> bytes);
WxLayer DecodeLayer(WxLayerKind kind, std::span<const std::byte> bytes);
WxPressureBlock DecodePressure(std::span<const std::byte> bytes);

}  // namespace wx
