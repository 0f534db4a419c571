// The binary weather record of a .wx file: its header, its five kinds of block and
// their sizes. Every field is 4 bytes, little-endian: int32 or IEEE single. Heights
// are metres in the file.
#pragma once

#include <cstddef>
#include <cstdint>
#include <variant>
#include <vector>

namespace wx {

struct WxRecordHeader {
    int32_t windCountLess1 = 0;  // wind layers less one: a record has at least one
    int32_t visibilityCount = 0;
    int32_t cloudCount = 0;
    int32_t temperatureCount = 0;
    int32_t unknown1 = 0;
    int32_t icaoIndex = -1;  // station record number; -1 in the global record
    int32_t unknown3 = 0;

    template <class Self, class F>
    static constexpr void ForEachField(Self& s, F&& f) {
        f(s.windCountLess1), f(s.visibilityCount), f(s.cloudCount), f(s.temperatureCount);
        f(s.unknown1), f(s.icaoIndex), f(s.unknown3);
    }
};

// The layers are templates over the type of their real-valued fields: float in the file
// (WxWindLayer, ...); the editor's values of a layer hold whole numbers as the user sees
// them (wx/layer_values.h).
template <class Real>
struct WxWindLayerOf {
    Real upperAltitude = 0;  // metres in the file
    Real speed = 0;
    Real gusts = 0;
    Real direction = 0;
    int32_t reserved = 0;
    int32_t turbulence = 0;
    int32_t shear = 0;

    template <class Self, class F>
    static constexpr void ForEachField(Self& s, F&& f) {
        f(s.upperAltitude), f(s.speed), f(s.gusts), f(s.direction);
        f(s.reserved), f(s.turbulence), f(s.shear);
    }
    friend bool operator==(const WxWindLayerOf&, const WxWindLayerOf&) = default;
};

template <class Real>
struct WxVisibilityLayerOf {
    Real range = 0;
    Real bottom = 0;  // metres in the file
    Real top = 0;     // metres in the file

    template <class Self, class F>
    static constexpr void ForEachField(Self& s, F&& f) {
        f(s.range), f(s.bottom), f(s.top);
    }
    friend bool operator==(const WxVisibilityLayerOf&, const WxVisibilityLayerOf&) = default;
};

template <class Real>
struct WxCloudLayerOf {
    int32_t type = 0;
    Real bottom = 0;  // metres in the file
    Real top = 0;     // metres in the file
    Real deviation = 0;
    int32_t coverage = 0;  // stored one higher than shown
    int32_t reserved = 0;
    int32_t turbulence = 0;
    int32_t rainType = 0;
    Real rainBase = 0;  // metres in the file
    int32_t rainRate = 0;
    int32_t icing = 0;

    template <class Self, class F>
    static constexpr void ForEachField(Self& s, F&& f) {
        f(s.type), f(s.bottom), f(s.top), f(s.deviation), f(s.coverage), f(s.reserved);
        f(s.turbulence), f(s.rainType), f(s.rainBase), f(s.rainRate), f(s.icing);
    }
    friend bool operator==(const WxCloudLayerOf&, const WxCloudLayerOf&) = default;
};

template <class Real>
struct WxTemperatureLayerOf {
    Real altitude = 0;  // metres in the file
    Real dayTemperature = 0;
    Real dayNightVariation = 0;
    Real dewPoint = 0;

    template <class Self, class F>
    static constexpr void ForEachField(Self& s, F&& f) {
        f(s.altitude), f(s.dayTemperature), f(s.dayNightVariation), f(s.dewPoint);
    }
    friend bool operator==(const WxTemperatureLayerOf&, const WxTemperatureLayerOf&) = default;
};

using WxWindLayer = WxWindLayerOf<float>;
using WxVisibilityLayer = WxVisibilityLayerOf<float>;
using WxCloudLayer = WxCloudLayerOf<float>;
using WxTemperatureLayer = WxTemperatureLayerOf<float>;

struct WxPressureBlock {
    int32_t reserved = 0;
    float pressure = 0;  // hectopascals
    float third = 0;

    template <class Self, class F>
    static constexpr void ForEachField(Self& s, F&& f) {
        f(s.reserved), f(s.pressure), f(s.third);
    }
};

inline constexpr size_t kWxFieldSize = 4;
inline constexpr size_t kWxHeaderSize = 28;
inline constexpr size_t kWxWindLayerSize = 28;
inline constexpr size_t kWxVisibilityLayerSize = 12;
inline constexpr size_t kWxCloudLayerSize = 44;
inline constexpr size_t kWxTemperatureLayerSize = 16;
inline constexpr size_t kWxPressureBlockSize = 12;
// Offset of icaoIndex in the header.
inline constexpr size_t kWxIcaoIndexOffset = 20;
// Offset of the pressure value in the pressure block.
inline constexpr size_t kWxPressureOffset = 4;

// Layer kinds in the order they follow one another in a record.
enum class WxLayerKind { Wind = 0, Visibility = 1, Cloud = 2, Temperature = 3 };
inline constexpr WxLayerKind kWxLayerKinds[] = {WxLayerKind::Wind, WxLayerKind::Visibility, WxLayerKind::Cloud,
                                                WxLayerKind::Temperature};

// One layer of any kind; the alternative's index is its WxLayerKind.
using WxLayer = std::variant<WxWindLayer, WxVisibilityLayer, WxCloudLayer, WxTemperatureLayer>;

size_t LayerSize(WxLayerKind kind);
// Offset in the header of the kind's count field.
size_t CountFieldOffset(WxLayerKind kind);
// Number of layers of a kind that the header announces (wind: windCountLess1 + 1).
int64_t LayerCount(const WxRecordHeader& header, WxLayerKind kind);
// Record size from the header's counts; 64-bit so that any counts fit.
int64_t RecordSize(const WxRecordHeader& header);

struct WxRecord {
    WxRecordHeader header;
    std::vector<WxWindLayer> winds;
    std::vector<WxVisibilityLayer> visibilities;
    std::vector<WxCloudLayer> clouds;
    std::vector<WxTemperatureLayer> temperatures;
    WxPressureBlock pressure;
};

}  // namespace wx
