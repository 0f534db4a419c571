// Any bytes as "Weather\ICAO POS.BIN", read through Icarune loaded by name: LoadICAO at
// the first, middle, last and first missing record, LoadICAOS for the first station's
// ident and for one that no 16-byte record can hold.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>
#include <string_view>

#include "fuzz_drive.h"
#include "icarune/icarune.h"
#include "platform/dynamic_library.h"

namespace {

constexpr const char* kSimFolder = "C:\\Sim";
constexpr std::size_t kRecordLength = 16;
constexpr std::size_t kIdentLength = 4;

struct Icarune {
    Icarune() {
        fuzz::PrivateDrive();
        if (library.Load("Icarune.dll") != platform::DynamicLibrary::LoadResult::Loaded) std::abort();
        loadIcao = library.Function<IcaoStationRecord(int, std::string)>("LoadICAO");
        loadIcaos = library.Function<IcaoStationRecord(std::string, std::string)>("LoadICAOS");
        if (loadIcao == nullptr || loadIcaos == nullptr) std::abort();
    }
    platform::DynamicLibrary library;
    IcaoStationRecord (*loadIcao)(int, std::string) = nullptr;
    IcaoStationRecord (*loadIcaos)(std::string, std::string) = nullptr;
};

void Require(bool condition) {
    if (!condition) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const Icarune icarune;
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    fuzz::WriteDriveFile("Sim/Weather/ICAO POS.BIN", bytes);
    const int count = static_cast<int>(size / kRecordLength);
    for (int index : {0, count / 2, count - 1, count, -1}) {
        const IcaoStationRecord station = icarune.loadIcao(index, kSimFolder);
        Require(station.id.size() <= kIdentLength);
        const bool held = index >= 0 && index < count;
        Require(station.index == (held ? index * static_cast<int>(kRecordLength) : -1));
    }
    if (count > 0) {
        const std::string first(bytes.data(), ::strnlen(bytes.data(), kIdentLength));
        const IcaoStationRecord found = icarune.loadIcaos(first, kSimFolder);
        Require(first.empty() || first == IcaoStationRecord{}.id || (found.index == 0 && found.id == first));
    }
    Require(icarune.loadIcaos("KSEAX", kSimFolder).index == -1);
    return 0;
}
