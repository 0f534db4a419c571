#include "platform/detail/registry_text.h"

#include <cstdio>
#include <optional>

#include "ascii_case.h"

namespace platform::detail {
namespace {

constexpr std::string_view kHeader = "REGEDIT4";
constexpr std::string_view kDwordPrefix = "dword:";
constexpr size_t kDwordDigits = 8;
constexpr std::string_view kLineEnd = "\r\n";

std::string Escape(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (char c : text) {
        if (c == '\\' || c == '"') out += '\\';
        out += c;
    }
    return out;
}

// Reads a quoted, escaped text at the start of `rest` and moves past it.
std::optional<std::string> ReadQuoted(std::string_view& rest) {
    if (rest.empty() || rest[0] != '"') return std::nullopt;
    std::string out;
    for (size_t i = 1; i < rest.size(); ++i) {
        char c = rest[i];
        if (c == '"') {
            rest.remove_prefix(i + 1);
            return out;
        }
        if (c == '\\') {
            if (++i == rest.size()) return std::nullopt;
            c = rest[i];
            if (c != '\\' && c != '"') return std::nullopt;
        }
        out += c;
    }
    return std::nullopt;
}

int HexDigitValue(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    const char lower = ToLowerAscii(c);
    if (lower >= 'a' && lower <= 'f') return lower - 'a' + 10;
    return -1;
}

std::optional<uint32_t> ReadDword(std::string_view digits) {
    if (digits.empty() || digits.size() > kDwordDigits) return std::nullopt;
    uint32_t value = 0;
    for (char c : digits) {
        const int digit = HexDigitValue(c);
        if (digit < 0) return std::nullopt;
        value = value * 16 + static_cast<uint32_t>(digit);
    }
    return value;
}

std::optional<RegistryValue> ParseValueLine(std::string_view line) {
    RegistryValue value;
    auto name = ReadQuoted(line);
    if (!name || line.empty() || line[0] != '=') return std::nullopt;
    line.remove_prefix(1);
    value.name = std::move(*name);
    if (line.starts_with(kDwordPrefix)) {
        auto dword = ReadDword(line.substr(kDwordPrefix.size()));
        if (!dword) return std::nullopt;
        value.kind = RegistryValue::Kind::Dword;
        value.dword = *dword;
        return value;
    }
    auto text = ReadQuoted(line);
    if (!text || !line.empty()) return std::nullopt;
    value.text = std::move(*text);
    return value;
}

std::optional<std::string> ParseKeyLine(std::string_view line) {
    if (line.size() < 3 || line.front() != '[' || line.back() != ']') return std::nullopt;
    return std::string(line.substr(1, line.size() - 2));
}

std::string FormatValueLine(const RegistryValue& value) {
    std::string line = "\"" + Escape(value.name) + "\"=";
    if (value.kind == RegistryValue::Kind::Dword) {
        char digits[kDwordDigits + 1];
        std::snprintf(digits, sizeof digits, "%08x", value.dword);
        line += kDwordPrefix;
        line += digits;
    } else {
        line += "\"" + Escape(value.text) + "\"";
    }
    return line;
}

// The next line without its LF or CR LF; false when no complete or partial line is left.
bool NextLine(std::string_view& text, std::string_view& line) {
    if (text.empty()) return false;
    const size_t end = text.find('\n');
    line = text.substr(0, end);
    text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    return true;
}

}  // namespace

const RegistryValue* RegistryKey::Find(std::string_view name) const {
    for (const RegistryValue& value : values)
        if (EqualsIgnoreCase(value.name, name)) return &value;
    return nullptr;
}

void RegistryKey::Set(RegistryValue value) {
    for (RegistryValue& existing : values) {
        if (EqualsIgnoreCase(existing.name, value.name)) {
            value.name = existing.name;
            existing = std::move(value);
            return;
        }
    }
    values.push_back(std::move(value));
}

const RegistryKey* RegistryDocument::Find(std::string_view path) const {
    for (const RegistryKey& key : keys)
        if (EqualsIgnoreCase(key.path, path)) return &key;
    return nullptr;
}

RegistryKey& RegistryDocument::FindOrAdd(std::string_view path) {
    for (RegistryKey& key : keys)
        if (EqualsIgnoreCase(key.path, path)) return key;
    keys.push_back(RegistryKey{std::string(path), {}, {}});
    return keys.back();
}

ParsedRegistry ParseRegistryText(std::string_view text) {
    ParsedRegistry parsed;
    std::string_view line;
    bool first = true;
    RegistryKey* current = nullptr;
    while (NextLine(text, line)) {
        const bool header = first && line == kHeader;
        if (first && !header) parsed.complete = false;
        first = false;
        if (header || line.empty()) continue;
        if (auto path = ParseKeyLine(line)) {
            current = &parsed.document.FindOrAdd(*path);
            continue;
        }
        if (auto value = current != nullptr ? ParseValueLine(line) : std::nullopt) {
            current->Set(std::move(*value));
            continue;
        }
        parsed.complete = false;
        (current != nullptr ? current->otherLines : parsed.document.otherLines).emplace_back(line);
    }
    return parsed;
}

std::string FormatRegistryText(const RegistryDocument& document) {
    std::string out;
    const auto writeLine = [&out](std::string_view line) {
        out += line;
        out += kLineEnd;
    };
    writeLine(kHeader);
    for (const std::string& line : document.otherLines) writeLine(line);
    for (const RegistryKey& key : document.keys) {
        out += kLineEnd;
        writeLine("[" + key.path + "]");
        for (const RegistryValue& value : key.values) writeLine(FormatValueLine(value));
        for (const std::string& line : key.otherLines) writeLine(line);
    }
    return out;
}

}  // namespace platform::detail
