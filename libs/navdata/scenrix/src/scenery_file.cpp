#include "scenery_file.h"

#include <climits>
#include <cstring>
#include <new>
#include <utility>

#include "file_buffers.h"
#include "jm_decompress.h"
#include "platform/files.h"
#include "scenrix/scenery_layout.h"

namespace scenrix::detail {

namespace layout = scenrix::scenery;

namespace {

bool IsCompressed(const SceneryBytes& file, std::size_t headerLength) {
    if (headerLength == layout::kExtendedHeaderLength) {
        for (std::size_t field : layout::kPlainMarkFields) {
            if (file.U32(field) != 0) {
                return false;
            }
        }
    }
    return file.Holds(headerLength, layout::kCompressionHeaderLength) &&
           file.U32(headerLength) == layout::kCompressionMark;
}

int Inflate(const SceneryBytes& file, std::size_t headerLength, std::size_t* size, std::string* buffer) {
    const std::size_t storedSize = file.U32(headerLength + layout::kInflatedSizeField);
    const std::uint32_t storedCheck = file.U32(headerLength + layout::kCheckValueField);
    if (storedSize > kMaxInflatedSize) {
        return kSceneryNoMemory;
    }
    const std::size_t total = headerLength + storedSize;
    // Zeroed, so that a malformed stream (a match of distance 0) reads the same every time.
    std::string kept = TakeFileBuffer();
    try {
        kept.resize(total);
    } catch (const std::bad_alloc&) {
        return kSceneryNoMemory;
    }
    auto* const inflated = reinterpret_cast<std::uint8_t*>(kept.data());
    std::memcpy(inflated, file.data(), headerLength);
    std::memset(inflated + layout::kCompressedLengthField, 0, 4);

    const std::size_t streamStart = headerLength + layout::kCompressionHeaderLength;
    const std::size_t streamLength = file.size() - streamStart;
    if (streamLength > INT_MAX) {
        return kSceneryInflateFailed;
    }
    const int count = DecompressJmBlock(file.data() + streamStart, static_cast<int>(streamLength),
                                        inflated + headerLength, static_cast<int>(storedSize));
    int code = kSceneryInflated;
    if (count < 0) {
        code = kSceneryInflateFailed;
    } else if (static_cast<std::size_t>(count) != storedSize) {
        code = kScenerySizeMismatch;
    } else if (storedCheck != 0 && layout::CheckValue(inflated + headerLength, storedSize) != storedCheck) {
        code = kSceneryCheckMismatch;
    }
    if (code != kSceneryInflated) {
        GiveFileBuffer(std::move(kept));
        return code;
    }
    *size = total;
    *buffer = std::move(kept);
    return kSceneryInflated;
}

}  // namespace

std::size_t SceneryHeaderLength(const SceneryBytes& file) {
    return file.U32(layout::kExtendedMarkField) == layout::kExtendedMark ? layout::kExtendedHeaderLength
                                                                         : layout::kBasicHeaderLength;
}

int OpenSceneryFile(const std::string& path, std::size_t* size, std::string* buffer, platform::MappedFile* plain) {
    if (size == nullptr || buffer == nullptr) {
        return kSceneryBadArgument;
    }
    *size = 0;
    buffer->clear();
    platform::MappedFile mapped;
    if (!mapped.Open(path, TakeFileBuffer())) {
        return kSceneryCannotOpen;
    }
    const SceneryBytes file(reinterpret_cast<const std::uint8_t*>(mapped.data()), mapped.size());
    const std::size_t headerLength = SceneryHeaderLength(file);
    int code = kSceneryPlain;
    if (IsCompressed(file, headerLength)) {
        code = Inflate(file, headerLength, size, buffer);
    } else if (plain != nullptr) {
        *plain = std::move(mapped);
        return code;
    }
    std::string bytes;
    mapped.Close(&bytes);
    GiveFileBuffer(std::move(bytes));
    return code;
}

}  // namespace scenrix::detail
