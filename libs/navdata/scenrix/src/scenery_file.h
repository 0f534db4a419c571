// Opening a scenery file: tells plain files from compressed ones and inflates the latter
// into a buffer of their own, header included.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

#include "platform/files.h"
#include "scenery_bytes.h"

namespace scenrix::detail {

// Results of OpenSceneryFile.
enum SceneryOpenCode : int {
    kSceneryInflated = 0,
    kSceneryBadArgument = 1,
    kSceneryPlain = 2,
    kSceneryNoMemory = 4,
    kScenerySizeMismatch = 8,
    kSceneryCheckMismatch = 16,
    kSceneryInflateFailed = 32,
    kSceneryCannotOpen = 64,
};

// A stored inflated size above this is taken as memory that cannot be had.
inline constexpr std::size_t kMaxInflatedSize = 64u << 20;

// 168 for the extended header, else 128; fields the data does not hold read as 0.
std::size_t SceneryHeaderLength(const SceneryBytes& file);

// kSceneryInflated hands out the inflated copy (header included) in buffer and its size;
// every other code leaves them empty. kSceneryPlain hands out the file's bytes in plain,
// when given, so that they are read once; otherwise the file's own bytes are released.
// The memory of the bytes read and inflated comes from the kept file buffers.
int OpenSceneryFile(const std::string& path, std::size_t* size, std::string* buffer,
                    platform::MappedFile* plain = nullptr);

}  // namespace scenrix::detail
