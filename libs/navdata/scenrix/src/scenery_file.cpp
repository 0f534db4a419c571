#include "scenery_file.h"

#include <climits>
#include <cstring>
#include <new>

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

int Inflate(const SceneryBytes& file, std::size_t headerLength, std::size_t* size,
            std::unique_ptr<std::uint8_t[]>* buffer) {
    const std::size_t storedSize = file.U32(headerLength + layout::kInflatedSizeField);
    const std::uint32_t storedCheck = file.U32(headerLength + layout::kCheckValueField);
    if (storedSize > kMaxInflatedSize) {
        return kSceneryNoMemory;
    }
    const std::size_t total = headerLength + storedSize;
    // Zeroed, so that a malformed stream (a match of distance 0) reads the same every time.
    std::unique_ptr<std::uint8_t[]> inflated(new (std::nothrow) std::uint8_t[total]());
    if (!inflated) {
        return kSceneryNoMemory;
    }
    std::memcpy(inflated.get(), file.data(), headerLength);
    std::memset(inflated.get() + layout::kCompressedLengthField, 0, 4);

    const std::size_t streamStart = headerLength + layout::kCompressionHeaderLength;
    const std::size_t streamLength = file.size() - streamStart;
    if (streamLength > INT_MAX) {
        return kSceneryInflateFailed;
    }
    const int count = DecompressJmBlock(file.data() + streamStart, static_cast<int>(streamLength),
                                        inflated.get() + headerLength, static_cast<int>(storedSize));
    if (count < 0) {
        return kSceneryInflateFailed;
    }
    if (static_cast<std::size_t>(count) != storedSize) {
        return kScenerySizeMismatch;
    }
    if (storedCheck != 0 && layout::CheckValue(inflated.get() + headerLength, storedSize) != storedCheck) {
        return kSceneryCheckMismatch;
    }
    *size = total;
    *buffer = std::move(inflated);
    return kSceneryInflated;
}

}  // namespace

std::size_t SceneryHeaderLength(const SceneryBytes& file) {
    return file.U32(layout::kExtendedMarkField) == layout::kExtendedMark ? layout::kExtendedHeaderLength
                                                                         : layout::kBasicHeaderLength;
}

int OpenSceneryFile(const std::string& path, std::size_t* size, std::unique_ptr<std::uint8_t[]>* buffer) {
    if (size == nullptr || buffer == nullptr) {
        return kSceneryBadArgument;
    }
    *size = 0;
    buffer->reset();
    platform::MappedFile mapped;
    if (!mapped.Open(path)) {
        return kSceneryCannotOpen;
    }
    const SceneryBytes file(reinterpret_cast<const std::uint8_t*>(mapped.data()), mapped.size());
    const std::size_t headerLength = SceneryHeaderLength(file);
    if (!IsCompressed(file, headerLength)) {
        return kSceneryPlain;
    }
    return Inflate(file, headerLength, size, buffer);
}

}  // namespace scenrix::detail
