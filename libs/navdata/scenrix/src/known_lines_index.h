// An index of the keys of a caller's array of lines that is kept from call to call.
//
// The builder's arrays of known lines grow from file to file during a scan and are
// emptied between scans, so rebuilding an index from all of them for every file would
// make a scan quadratic. Sync indexes only the lines appended since the last Sync; any
// other change (another array, the array emptied or shrunk, its first or last indexed
// line changed) is noticed by a fingerprint of the indexed prefix and the index is
// rebuilt. A line changed between the first and the last indexed one is not noticed:
// the builder only appends to these arrays or empties them.
//
// The reader places the keys of the lines it hands out while it tests them, with the one
// probe of the table that tells whether a key is there, and says how many lines it
// handed out (ExpectAppended): when the next Sync finds exactly that many lines
// appended, ending in the last line handed out, their keys are in already; otherwise
// the index is rebuilt.
//
// Not thread-safe: one index serves one thread (the lines are added on one thread at a
// time).
#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "known_lines_set.h"

namespace scenrix::detail {

// How many keys ahead of the one looked up or inserted the slot of another is asked for.
inline constexpr std::size_t kPrefetchDistance = 16;

// Set: LineKeySet or LineSet.
template <class Set>
class KnownLinesIndex {
public:
    void Sync(const std::vector<std::string>& lines) {
        std::size_t from = indexed_;
        if (!IsPrefixOf(lines) || (handedOut_ > 0 && !HandedOutWereAppended(lines))) {
            Clear();
            from = 0;
        } else {
            from += handedOut_;  // their keys are in already
        }
        handedOut_ = 0;
        for (std::size_t i = from; i < lines.size(); ++i) {
            keys_.IndexLine(lines, i);
        }
        if (lines.size() > indexed_) {
            indexed_ = lines.size();
            first_ = lines.front();
            last_ = lines.back();
        }
        lines_ = &lines;
    }

    // Whether a line with the key of line is in the array last synced.
    bool Contains(const std::string& line) const { return lines_ != nullptr && keys_.ContainsLine(line, *lines_); }

    // The keys of the lines indexed, and of those handed out since.
    Set& Keys() { return keys_; }

    // count lines, the last of them lines.back(), are handed out to be appended to the
    // array next synced; their keys were placed in Keys() since the last Sync.
    void ExpectAppended(std::size_t count, const std::vector<std::string>& lines) {
        handedOut_ = count;
        if (count > 0) lastHandedOut_ = lines.back();
    }

private:
    void Clear() {
        keys_.Clear();
        indexed_ = 0;
    }

    bool HandedOutWereAppended(const std::vector<std::string>& lines) const {
        return &lines == lines_ && lines.size() == indexed_ + handedOut_ && lines.back() == lastHandedOut_;
    }

    // True when lines still begins with what was indexed.
    bool IsPrefixOf(const std::vector<std::string>& lines) const {
        if (indexed_ == 0) return true;
        return &lines == lines_ && lines.size() >= indexed_ && lines.front() == first_ && lines[indexed_ - 1] == last_;
    }

    const std::vector<std::string>* lines_ = nullptr;
    std::size_t indexed_ = 0;
    std::string first_;
    std::string last_;
    Set keys_;
    std::size_t handedOut_ = 0;
    std::string lastHandedOut_;
};

}  // namespace scenrix::detail
