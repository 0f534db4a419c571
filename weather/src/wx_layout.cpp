#include "wx/wx_layout.h"

namespace wx {

size_t LayerSize(WxLayerKind kind) {
    switch (kind) {
        case WxLayerKind::Wind:
            return kWxWindLayerSize;
        case WxLayerKind::Visibility:
            return kWxVisibilityLayerSize;
        case WxLayerKind::Cloud:
            return kWxCloudLayerSize;
        case WxLayerKind::Temperature:
            return kWxTemperatureLayerSize;
    }
    return 0;
}

size_t CountFieldOffset(WxLayerKind kind) { return static_cast<size_t>(kind) * kWxFieldSize; }

int64_t LayerCount(const WxRecordHeader& header, WxLayerKind kind) {
    switch (kind) {
        case WxLayerKind::Wind:
            return int64_t{header.windCountLess1} + 1;
        case WxLayerKind::Visibility:
            return header.visibilityCount;
        case WxLayerKind::Cloud:
            return header.cloudCount;
        case WxLayerKind::Temperature:
            return header.temperatureCount;
    }
    return 0;
}

int64_t RecordSize(const WxRecordHeader& header) {
    int64_t size = kWxHeaderSize + kWxPressureBlockSize;
    for (WxLayerKind kind : kWxLayerKinds) size += LayerCount(header, kind) * static_cast<int64_t>(LayerSize(kind));
    return size;
}

}  // namespace wx
