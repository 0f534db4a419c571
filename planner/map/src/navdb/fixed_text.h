// Copying a trimmed field into a record's fixed character array.
#pragma once

#include <cstddef>
#include <cstring>
#include <string_view>

#include "platform/text.h"

namespace trevalo {

template <size_t N>
void CopyTrimmed(char (&target)[N], const char* field) {
    const std::string_view text = platform::TrimmedView(field);
    const size_t length = text.size() < N - 1 ? text.size() : N - 1;
    std::memcpy(target, text.data(), length);
    target[length] = '\0';
}

}  // namespace trevalo
