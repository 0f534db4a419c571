#include <cstring>
#include <optional>

#include "icarune/icarune.h"
#include "platform/file_search.h"
#include "platform/files.h"
#include "platform/message_box.h"

namespace {

constexpr std::size_t kRecordLength = 16;
constexpr std::size_t kIdentLength = 4;
constexpr std::size_t kLatitudeField = 4;
constexpr std::size_t kLongitudeField = 8;
constexpr std::size_t kElevationField = 12;
constexpr const char* kStationFile = "\\Weather\\ICAO POS.BIN";
constexpr const char* kMissingFileMessage =
    "The ICAO file could not be found.\nThe ID and Lat/Long are wrong\n"
    "Please do not make any changes to the ID\n";

// simFolder, or the FS2000 folder when it is empty; nullopt when there is none.
std::optional<std::string> StationFolder(const std::string& simFolder) {
    if (!simFolder.empty()) {
        return simFolder;
    }
    char folder[kIcaruneFolderSize];
    if (LoadReg(folder, 7) == 0) {
        return std::nullopt;
    }
    return std::string(folder);
}

float FloatAt(const std::byte* record, std::size_t field) {
    float value;
    std::memcpy(&value, record + field, sizeof value);
    return value;
}

// Fills everything but the index from one record.
void ReadStation(const std::byte* record, IcaoStationRecord& station) {
    const char* ident = reinterpret_cast<const char*>(record);
    station.id.assign(ident, ::strnlen(ident, kIdentLength));
    station.latitude = FloatAt(record, kLatitudeField);
    const float longitude = FloatAt(record, kLongitudeField);
    station.longitude = longitude > 180.0f ? longitude - 360.0f : longitude;
    station.elevation = FloatAt(record, kElevationField);
}

}  // namespace

IcaoStationRecord LoadICAO(int index, std::string simFolder) {
    IcaoStationRecord station;
    if (index < 0) {
        return station;
    }
    const auto folder = StationFolder(simFolder);
    const std::string path = folder ? *folder + kStationFile : std::string();
    if (!folder || !platform::FileExists(path)) {
        platform::MessageBox(kMissingFileMessage);
        return station;
    }
    platform::MappedFile file;
    if (!file.Open(path) || static_cast<std::size_t>(index) >= file.size() / kRecordLength) {
        return station;
    }
    ReadStation(file.data() + kRecordLength * index, station);
    station.index = static_cast<std::int32_t>(kRecordLength * index);
    return station;
}

IcaoStationRecord LoadICAOS(std::string id, std::string simFolder) {
    IcaoStationRecord station;
    if (id.empty() || id.size() > kIdentLength || id == IcaoStationRecord{}.id) {
        return station;
    }
    const auto folder = StationFolder(simFolder);
    platform::MappedFile file;
    if (!folder || !file.Open(*folder + kStationFile)) {
        return station;
    }
    const std::size_t count = file.size() / kRecordLength;
    for (std::size_t k = 0; k < count; ++k) {
        ReadStation(file.data() + kRecordLength * k, station);
        if (station.id == id) {
            station.index = static_cast<std::int32_t>(k);
            return station;
        }
        station.index = -1;
    }
    return station;
}
