#include "wx/icao_stations.h"

#include <algorithm>
#include <cstdint>
#include <cstring>

#include "platform/files.h"
#include "platform/paths.h"
#include "platform/text.h"
#include "platform/text_file.h"

namespace wx {
namespace {

constexpr size_t kIdentWidth = 4;
constexpr size_t kNameColumn = 5;  // from 0: the sixth character
constexpr size_t kPositionRecordSize = 16;

}  // namespace

std::string StationNamesPath(const std::string& simFolder) {
    return platform::JoinWindowsPath(simFolder, "Weather\\ICAO Name.CFG");
}

std::string StationPositionsPath(const std::string& simFolder) {
    return platform::JoinWindowsPath(simFolder, "Weather\\ICAO POS.BIN");
}

std::optional<StationName> ParseStationNameLine(const std::string& line) {
    StationName station{platform::Trimmed(std::string_view(line).substr(0, kIdentWidth)), {}};
    if (station.ident.empty()) return std::nullopt;
    if (line.size() > kNameColumn) station.name = line.substr(kNameColumn);
    return station;
}

std::optional<std::vector<StationName>> ReadStationNames(const std::string& simFolder) {
    std::vector<std::string> lines;
    if (!platform::ReadLines(StationNamesPath(simFolder), lines)) return std::nullopt;
    std::vector<StationName> stations;
    for (size_t i = 1; i < lines.size(); ++i)
        if (std::optional<StationName> station = ParseStationNameLine(lines[i]))
            stations.push_back(std::move(*station));
    return stations;
}

int32_t FindIcaoIndexIn(std::span<const std::byte> positions, const std::string& ident) {
    if (ident.empty() || ident.size() > kIdentWidth) return -1;
    // Only whole records count: a short tail is no record.
    const size_t records = std::min<size_t>(positions.size() / kPositionRecordSize, INT32_MAX);
    for (size_t number = 0; number < records; ++number) {
        const char* bytes = reinterpret_cast<const char*>(positions.data() + number * kPositionRecordSize);
        if (std::string_view(bytes, strnlen(bytes, kIdentWidth)) == ident) return static_cast<int32_t>(number);
    }
    return -1;
}

int32_t FindIcaoIndex(const std::string& simFolder, const std::string& ident) {
    if (simFolder.empty()) return -1;
    std::string bytes;
    if (!platform::ReadFileBytes(StationPositionsPath(simFolder), bytes)) return -1;
    return FindIcaoIndexIn(std::as_bytes(std::span(bytes)), ident);
}

}  // namespace wx
