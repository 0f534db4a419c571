#include "map/sidstar_tile_writer.h"

#include "map/sidstar_leg_line.h"
#include "platform/files.h"
#include "platform/numbers.h"
#include "platform/paths.h"
#include "platform/text.h"
#include "sidstar/tile_keys.h"

namespace trevalo {
namespace {

using sidstar_detail::kHeaderFormat;
using sidstar_detail::kKeyFields;

constexpr const char* kLineEnd = "\r\n";

bool IsBlank(const std::string& line) { return line.find_first_not_of(" \t") == std::string::npos; }

std::string HeaderLine(int number) { return platform::Format(kHeaderFormat, number); }

std::string FileText(const std::vector<std::string>& lines) {
    std::string text;
    for (const std::string& line : lines) text += line + kLineEnd;
    return text;
}

TileStatus WriteLines(const std::string& path, const std::vector<std::string>& lines) {
    if (!platform::CreateDirectory(platform::WindowsFolderPart(path))) return TileStatus::CannotWrite;
    return platform::ReplaceFileBytes(path, FileText(lines)) ? TileStatus::Ok : TileStatus::CannotWrite;
}

// The range of lines a deleted record leaves: the record and the blank lines after it, or
// those before it when it ends the file.
std::pair<std::size_t, std::size_t> LinesToRemove(const std::vector<std::string>& lines, const TileRecord& record) {
    std::size_t first = record.firstLine;
    std::size_t end = record.endLine;
    while (end < lines.size() && IsBlank(lines[end])) ++end;
    if (end == lines.size()) {
        while (first > 0 && IsBlank(lines[first - 1])) --first;
    }
    return {first, end};
}

}  // namespace

std::vector<std::string> RecordLines(const Procedure& procedure) {
    const ProcedureHeader& header = procedure.header;
    std::vector<std::string> lines{HeaderLine(header.number)};
    for (const sidstar_detail::KeyField& field : kKeyFields) {
        const std::string value =
            field.text != nullptr ? header.*field.text : platform::FixedText(header.magneticVariation);
        lines.push_back(field.key + value);
    }
    for (std::size_t i = 0; i < procedure.legs.size(); ++i) {
        lines.push_back(LegLine(static_cast<int>(i) + 1, procedure.legs[i]));
    }
    return lines;
}

std::vector<std::string> LinesWithProcedureSaved(const TileContents& contents, Procedure& procedure) {
    procedure = WithinLimits(std::move(procedure));
    ProcedureHeader& header = procedure.header;
    const TileRecord* existing = header.number > 0 ? contents.Find(header.Key()) : nullptr;
    std::vector<std::string> lines = contents.lines;
    if (existing != nullptr) {
        const std::vector<std::string> record = RecordLines(procedure);
        lines.erase(lines.begin() + static_cast<std::ptrdiff_t>(existing->firstLine),
                    lines.begin() + static_cast<std::ptrdiff_t>(existing->endLine));
        lines.insert(lines.begin() + static_cast<std::ptrdiff_t>(existing->firstLine), record.begin(), record.end());
        return lines;
    }
    header.number = contents.FirstFreeNumber(header.airportIdent, header.runway);
    if (!lines.empty() && !IsBlank(lines.back())) lines.emplace_back();
    const std::vector<std::string> record = RecordLines(procedure);
    lines.insert(lines.end(), record.begin(), record.end());
    return lines;
}

std::optional<std::vector<std::string>> LinesWithProcedureDeleted(const TileContents& contents,
                                                                  const ProcedureKey& key) {
    const TileRecord* deleted = contents.Find(key);
    if (deleted == nullptr) return std::nullopt;
    std::vector<std::string> lines = contents.lines;
    for (int number = key.number + 1;; ++number) {
        const TileRecord* later = contents.Find({number, key.airportIdent, key.runway});
        if (later == nullptr) break;
        lines[later->firstLine] = HeaderLine(number - 1);
    }
    const auto [first, end] = LinesToRemove(lines, *deleted);
    lines.erase(lines.begin() + static_cast<std::ptrdiff_t>(first), lines.begin() + static_cast<std::ptrdiff_t>(end));
    return lines;
}

TileStatus SaveProcedure(const std::string& path, Procedure& procedure) {
    if (FirstRefusedText(procedure)) return TileStatus::TextRefused;
    TileContents contents;
    if (const TileStatus read = ReadTileFile(path, contents); read != TileStatus::Ok) return read;
    return WriteLines(path, LinesWithProcedureSaved(contents, procedure));
}

TileStatus DeleteProcedure(const std::string& path, const ProcedureKey& key) {
    TileContents contents;
    if (const TileStatus read = ReadTileFile(path, contents); read != TileStatus::Ok) return read;
    const std::optional<std::vector<std::string>> lines = LinesWithProcedureDeleted(contents, key);
    if (!lines) return TileStatus::NotFound;
    return WriteLines(path, *lines);
}

}  // namespace trevalo
