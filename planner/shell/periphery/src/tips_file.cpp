#include "periphery/tips_file.h"

#include <algorithm>

#include "platform/files.h"
#include "platform/text.h"

namespace trevalo {
namespace {

constexpr char kCommentMark = ';';

bool IsSkippedLineStart(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == kCommentMark; }

}  // namespace

bool TipReader::Seek(std::int64_t position) {
    if (position < 0 || static_cast<std::uint64_t>(position) > bytes_.size()) return false;
    position_ = static_cast<std::size_t>(position);
    return true;
}

std::optional<std::string> TipReader::ReadPiece() {
    if (position_ >= bytes_.size()) return std::nullopt;
    const std::size_t end = std::min(bytes_.find('\n', position_), bytes_.size());
    if (end - position_ > kTipPieceLength) {
        std::string piece = bytes_.substr(position_, kTipPieceLength);
        position_ += kTipPieceLength;
        return piece;
    }
    std::string line = bytes_.substr(position_, end - position_);
    position_ = std::min(end + 1, bytes_.size());
    if (!line.empty() && line.back() == '\r') line.pop_back();
    // An empty line reads as its line break, which the reader skips.
    if (line.empty()) line = "\n";
    return line;
}

std::optional<std::string> TipReader::NextTip() {
    for (int round = 0; round < 2; ++round) {
        while (std::optional<std::string> piece = ReadPiece()) {
            if (!IsSkippedLineStart(piece->front())) return piece;
        }
        position_ = 0;
    }
    return std::nullopt;
}

std::vector<std::string> TipReader::AllTips() const {
    TipReader reader(bytes_);
    std::vector<std::string> tips;
    while (std::optional<std::string> piece = reader.ReadPiece()) {
        if (!IsSkippedLineStart(piece->front())) tips.push_back(std::move(*piece));
    }
    return tips;
}

std::string TipTimeStamp(std::time_t modified) {
    char text[64] = {};
    std::tm local{};
    if (localtime_r(&modified, &local) == nullptr) return {};
    // The ctime layout, "Wed Jun 30 21:49:08 1993".
    std::strftime(text, sizeof text, "%a %b %e %H:%M:%S %Y", &local);
    return platform::Trimmed(text);
}

std::string CleanTipText(const std::string& typed) {
    std::string text = typed;
    std::replace_if(
        text.begin(), text.end(), [](char c) { return c == '\n' || c == '\r' || c == '\t'; }, ' ');
    text = platform::Trimmed(text);
    if (text.size() > kMaxTipLength) text = platform::Trimmed(text.substr(0, kMaxTipLength));
    return text;
}

bool IsSkippedTip(const std::string& tip) { return tip.empty() || IsSkippedLineStart(tip.front()); }

bool AppendTip(const std::string& tipsPath, const std::string& tip) {
    // The tip begins a new line; the file's own text mode writes CR LF.
    return platform::AppendFileBytes(tipsPath, "\r\n" + tip);
}

}  // namespace trevalo
