#include <cctype>
#include <filesystem>
#include <system_error>

#include "map/sidstar_leg_line.h"
#include "map/sidstar_tile_file.h"
#include "platform/files.h"
#include "platform/numbers.h"
#include "platform/paths.h"
#include "sidstar/tile_keys.h"

namespace trevalo {
namespace sidstar_detail {

std::optional<int> HeaderNumber(std::string_view line) {
    const std::size_t first = line.find_first_not_of(" \t");
    const std::size_t last = line.find_last_not_of(" \t");
    if (first == std::string_view::npos) return std::nullopt;
    line = line.substr(first, last - first + 1);
    constexpr std::size_t kMaxDigits = 9;  // keeps the number inside an int
    if (line.size() < 3 || line.size() > kMaxDigits + 2 || line.front() != '[' || line.back() != ']') {
        return std::nullopt;
    }
    int number = 0;
    for (const char c : line.substr(1, line.size() - 2)) {
        if (!std::isdigit(static_cast<unsigned char>(c))) return std::nullopt;
        number = number * 10 + (c - '0');
    }
    return number;
}

}  // namespace sidstar_detail

namespace {

using sidstar_detail::HeaderNumber;
using sidstar_detail::kKeyFields;

bool IsBlank(std::string_view line) { return line.find_first_not_of(" \t") == std::string_view::npos; }

std::vector<std::string> SplitLines(std::string_view text) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find('\n', start);
        if (end == std::string_view::npos) end = text.size();
        std::string_view line = text.substr(start, end - start);
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        lines.emplace_back(line);
        start = end + 1;
    }
    return lines;
}

// Sets the header value of a key line; the last line of a key wins.
void ReadKeyLine(const std::string& line, ProcedureHeader& header) {
    for (const sidstar_detail::KeyField& field : kKeyFields) {
        const std::string_view key = field.key;
        if (line.compare(0, key.size(), key) != 0) continue;
        const std::string value = line.substr(key.size());
        if (field.text != nullptr) {
            header.*field.text = value;
        } else {
            header.magneticVariation = platform::LeadingDouble(value);
        }
        return;
    }
}

// Legs 1, 2, ... up to the first missing number; the first line of a number is its leg.
void CollectLegs(const std::vector<const std::string*>& legLines, TileRecord& record) {
    for (int n = 1; n <= kMaxProcedureLegs + 1; ++n) {
        const std::string* found = nullptr;
        for (const std::string* line : legLines) {
            if (LegLineNumber(*line) == n) {
                found = line;
                break;
            }
        }
        if (found == nullptr) return;
        if (n > kMaxProcedureLegs) {
            record.legsCut = true;
            return;
        }
        record.procedure.legs.push_back(ParseLegLine(*found));
    }
}

TileRecord ReadRecord(const std::vector<std::string>& lines, std::size_t first, int number) {
    TileRecord record;
    record.firstLine = first;
    record.endLine = first + 1;
    record.procedure.header.number = number;
    std::vector<const std::string*> legLines;
    for (std::size_t i = first + 1; i < lines.size() && !HeaderNumber(lines[i]); ++i) {
        if (IsBlank(lines[i])) continue;
        record.endLine = i + 1;
        if (LegLineNumber(lines[i])) {
            legLines.push_back(&lines[i]);
        } else {
            ReadKeyLine(lines[i], record.procedure.header);
        }
    }
    CollectLegs(legLines, record);
    record.procedure = WithinLimits(std::move(record.procedure));
    return record;
}

}  // namespace

const TileRecord* TileContents::Find(const ProcedureKey& key) const {
    for (const TileRecord& record : records) {
        if (SameRecord(record.procedure.header.Key(), key)) return &record;
    }
    return nullptr;
}

int TileContents::FirstFreeNumber(const std::string& airportIdent, const std::string& runway) const {
    int number = 1;
    while (Find({number, airportIdent, runway}) != nullptr) ++number;
    return number;
}

std::vector<const TileRecord*> TileContents::RunwayRecords(const std::string& airportIdent,
                                                           const std::string& runway) const {
    std::vector<const TileRecord*> found;
    for (int number = 1;; ++number) {
        const TileRecord* record = Find({number, airportIdent, runway});
        if (record == nullptr) return found;
        found.push_back(record);
    }
}

TileContents ParseTileText(std::string_view text) {
    TileContents contents;
    contents.lines = SplitLines(text);
    for (std::size_t i = 0; i < contents.lines.size(); ++i) {
        if (const std::optional<int> number = HeaderNumber(contents.lines[i])) {
            contents.records.push_back(ReadRecord(contents.lines, i, *number));
            i = contents.records.back().endLine - 1;
        }
    }
    return contents;
}

TileStatus ReadTileFile(const std::string& path, TileContents& contents) {
    contents = {};
    std::error_code error;
    if (!std::filesystem::exists(platform::HostPath(path), error)) return TileStatus::Ok;
    std::string bytes;
    if (!platform::ReadFileBytes(path, bytes)) return TileStatus::CannotRead;
    contents = ParseTileText(bytes);
    return TileStatus::Ok;
}

}  // namespace trevalo
