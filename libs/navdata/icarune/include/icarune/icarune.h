// Icarune: the simulator's install folder from the machine hive, and lookups of its
// weather stations in "Weather\ICAO POS.BIN". Loaded at run time as "Icarune.dll"; the
// functions are looked up by these plain names.
#pragma once

#include <cstdint>
#include <string>

#define ICARUNE_API __attribute__((visibility("default")))

// One station record. The defaults stand for "no record read".
struct IcaoStationRecord {
    std::int32_t index = -1;  // LoadICAOS: record number; LoadICAO: byte position
    std::string id = "N/A";
    float latitude = -1.0f;
    float longitude = -1.0f;  // east positive, -180 to 180
    float elevation = -1.0f;
};

// Size of LoadReg's out buffer: a 260-character folder, a final backslash, terminator.
inline constexpr int kIcaruneFolderSize = 261;

// The callers are C++ and find these by name; C linkage keeps the names plain.
#if defined(__clang__)
#pragma clang diagnostic push
#pragma clang diagnostic ignored "-Wreturn-type-c-linkage"
#endif
extern "C" {

// Install folder of FS2000 (version 7) or FS2002 (version 8), ending in "\"; nonzero
// when found. Otherwise out is empty and the result 0. out holds kIcaruneFolderSize.
ICARUNE_API int LoadReg(char* out, int version);

// Station record number index; an empty simFolder means the FS2000 folder.
ICARUNE_API IcaoStationRecord LoadICAO(int index, std::string simFolder);

// The first station whose ident is id (case counts).
ICARUNE_API IcaoStationRecord LoadICAOS(std::string id, std::string simFolder);
}
#if defined(__clang__)
#pragma clang diagnostic pop
#endif
