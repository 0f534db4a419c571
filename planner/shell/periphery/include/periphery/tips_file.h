// The tips file AdvTip.txt: one tip per line, lines that begin with a blank, a tab, a line
// break or ";" skipped. A line longer than the reader's buffer is read in pieces, each a
// tip of its own. Tips are appended one per line.
#pragma once

#include <cstdint>
#include <ctime>
#include <optional>
#include <string>
#include <vector>

namespace trevalo {

inline constexpr const char* kTipsFileName = "AdvTip.txt";
// The reader takes a line in pieces of this many characters.
inline constexpr std::size_t kTipPieceLength = 999;
// A saved tip reads back as one piece.
inline constexpr std::size_t kMaxTipLength = 998;

// Reads tips from a position in the file's bytes.
class TipReader {
public:
    explicit TipReader(std::string bytes) : bytes_(std::move(bytes)) {}

    // False, keeping the position, when it lies outside the file.
    bool Seek(std::int64_t position);
    std::int64_t Position() const { return static_cast<std::int64_t>(position_); }

    // The next tip from the position, going round to the start at most once; nullopt,
    // at the start, when the file holds no tip at all.
    std::optional<std::string> NextTip();
    // Every tip of the file from its start, in order; the position stays.
    std::vector<std::string> AllTips() const;

private:
    // The next piece of a line without its line end; nullopt at the end of the file.
    std::optional<std::string> ReadPiece();

    std::string bytes_;
    std::size_t position_ = 0;
};

// The file's modification time as the tips' time stamp: the ctime text without its
// trailing white space.
std::string TipTimeStamp(std::time_t modified);

// What a typed tip becomes when saved: line breaks and tabs as blanks, trimmed, at most
// kMaxTipLength characters.
std::string CleanTipText(const std::string& typed);
// A cleaned tip that the reader would skip (empty, or a comment).
bool IsSkippedTip(const std::string& tip);

// Appends the tip on a line of its own to an existing tips file; false when it cannot.
bool AppendTip(const std::string& tipsPath, const std::string& tip);

}  // namespace trevalo
