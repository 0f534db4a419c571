// Walks arbitrary bytes as a weather file and runs every edit on them: no edit may read
// or write outside the bytes, and a sound file stays sound after each edit.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "wx/rule_choices.h"
#include "wx/wx_records.h"
#include "wx/wx_station_text.h"

namespace {

void CheckSound(const wx::WxBytes& bytes) {
    if (wx::WalkRecords(bytes).error != wx::WxError::None) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size < 2) return 0;
    // The first two bytes pick the record and the position.
    const size_t record = data[0] % 4;
    const size_t position = data[1] % 4;
    const auto* begin = reinterpret_cast<const std::byte*>(data + 2);
    const wx::WxBytes original(begin, begin + (size - 2));

    const wx::WxWalk walk = wx::WalkRecords(original);
    wx::WxRecord read;
    wx::ReadRecord(original, record, read);
    const bool sound = walk.error == wx::WxError::None;
    // Any station position and any stored rain number have a text.
    if (original.size() >= sizeof(double)) {
        double position = 0;
        std::memcpy(&position, original.data(), sizeof position);
        wx::StationAngleText(position, data[0] % 2 == 0);
        const wx::RuleChoices names = {{2, "Light"}};
        int32_t stored = 0;
        std::memcpy(&stored, original.data(), sizeof stored);
        wx::ChoiceNumber(names, wx::ChoiceName(names, stored));
    }

    auto run = [&](auto edit) {
        wx::WxBytes bytes = original;
        const wx::WxError error = edit(bytes);
        if (error != wx::WxError::None && bytes != original) std::abort();
        if (sound) CheckSound(bytes);
    };
    for (size_t kind = 0; kind < 4; ++kind) {
        wx::WxLayer layer;
        switch (kind) {
            case 0:
                layer = wx::WxWindLayer{};
                break;
            case 1:
                layer = wx::WxVisibilityLayer{};
                break;
            case 2:
                layer = wx::WxCloudLayer{};
                break;
            default:
                layer = wx::WxTemperatureLayer{};
                break;
        }
        for (bool insert : {false, true})
            run([&](wx::WxBytes& b) { return wx::WriteLayer(b, record, position, insert, layer); });
        run([&](wx::WxBytes& b) { return wx::DeleteLayer(b, record, static_cast<wx::WxLayerKind>(kind), position); });
    }
    run([&](wx::WxBytes& b) { return wx::DeleteRecord(b, record); });
    run([&](wx::WxBytes& b) { return wx::SetIcaoIndex(b, record, 7); });
    run([&](wx::WxBytes& b) { return wx::SetPressure(b, record, 1000.0f); });
    run([&](wx::WxBytes& b) { return wx::AppendRecord(b, -1); });
    return 0;
}
