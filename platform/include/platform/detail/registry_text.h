// The regedit text format behind the settings store, exposed for its tests and fuzzer:
//   REGEDIT4
//   <blank line>
//   [HKEY_CURRENT_USER\Software\Quillet Applications\Quillet\Files]
//   "Directory"="C:\\Quillet\\"
//   "CheckDay"=dword:0000001e
// Key paths and value names compare without regard to case; the first spelling is kept.
// A line that is not sound (damaged, or written by something newer) is skipped by the
// readers and kept as it is, in its key, so that rewriting the file never loses it.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "platform/export.h"

namespace platform::detail {

struct RegistryValue {
    enum class Kind { String, Dword };
    std::string name;
    Kind kind = Kind::String;
    std::string text;    // Kind::String
    uint32_t dword = 0;  // Kind::Dword

    bool operator==(const RegistryValue&) const = default;
};

struct PLATFORM_API RegistryKey {
    std::string path;  // full path as written between the brackets
    std::vector<RegistryValue> values;
    std::vector<std::string> otherLines;  // lines not understood, written after the values

    const RegistryValue* Find(std::string_view name) const;
    // Replaces the value of that name (keeping its first spelling) or appends it.
    void Set(RegistryValue value);

    bool operator==(const RegistryKey&) const = default;
};

struct PLATFORM_API RegistryDocument {
    std::vector<std::string> otherLines;  // lines not understood before the first key
    std::vector<RegistryKey> keys;

    const RegistryKey* Find(std::string_view path) const;
    RegistryKey& FindOrAdd(std::string_view path);

    bool operator==(const RegistryDocument&) const = default;
};

struct ParsedRegistry {
    RegistryDocument document;
    bool complete = true;  // false when a line was not understood or the header is missing
};

PLATFORM_API ParsedRegistry ParseRegistryText(std::string_view text);
// Lines end in CR LF.
PLATFORM_API std::string FormatRegistryText(const RegistryDocument& document);

}  // namespace platform::detail
