#include "periphery/corrections_file.h"

#include <vector>

#include "platform/file_search.h"
#include "platform/files.h"
#include "platform/text_file.h"

namespace trevalo {
namespace {

constexpr std::size_t kRecordLines = 4;

// The file's lines without the pair's record; false when the file cannot be read.
bool LinesWithout(const std::string& path, const std::string& ident, const std::string& runway,
                  std::vector<std::string>& lines, bool& removed) {
    if (!platform::ReadLines(path, lines)) return false;
    removed = false;
    if (const std::optional<FoundCorrection> found = FindCorrection(lines, ident, runway)) {
        const auto first = lines.begin() + static_cast<std::ptrdiff_t>(found->firstLine);
        lines.erase(first, first + kRecordLines);
        removed = true;
    }
    return true;
}

}  // namespace

bool OpenOrCreateCorrections(const std::string& path) {
    std::string bytes;
    if (platform::ReadFileBytes(path, bytes)) return true;
    return !platform::FileExists(path) && platform::ReplaceFileBytes(path, {});
}

std::optional<AirportCorrection> LoadCorrection(const std::string& path, const std::string& ident,
                                                const std::string& runway) {
    std::vector<std::string> lines;
    if (!platform::ReadLines(path, lines)) return std::nullopt;
    const std::optional<FoundCorrection> found = FindCorrection(lines, ident, runway);
    if (!found) return std::nullopt;
    return found->correction;
}

bool SaveCorrection(const std::string& path, const AirportCorrection& correction) {
    std::vector<std::string> lines;
    bool removed = false;
    if (!LinesWithout(path, correction.ident, correction.runway, lines, removed)) return false;
    for (std::string& line : CorrectionLines(correction)) lines.push_back(std::move(line));
    return platform::WriteLines(path, lines);
}

DeleteResult DeleteCorrection(const std::string& path, const std::string& ident, const std::string& runway) {
    std::vector<std::string> lines;
    bool removed = false;
    if (!LinesWithout(path, ident, runway, lines, removed)) return DeleteResult::Failed;
    if (!removed) return DeleteResult::NotOnFile;
    return platform::WriteLines(path, lines) ? DeleteResult::Deleted : DeleteResult::Failed;
}

}  // namespace trevalo
