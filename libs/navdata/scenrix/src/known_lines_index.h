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
// The reader also says which keys it handed out with its new lines (ExpectAppended):
// when the next Sync finds exactly that many lines appended, ending in the last line
// handed out, it takes those keys instead of reading each key from its line again.
//
// Not thread-safe: one index serves one thread (the reader runs on the builder's
// worker thread).
#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "known_lines_set.h"

namespace scenrix::detail {

// How many keys ahead of the one looked up or inserted the slot of another is asked for.
inline constexpr std::size_t kPrefetchDistance = 16;

// MakeKey(line) gives the key of a line.
template <class Key, auto MakeKey, class Hash>
class KnownLinesIndex {
public:
    void Sync(const std::vector<std::string>& lines) {
        if (!IsPrefixOf(lines)) {
            keys_.Clear();
            indexed_ = 0;
        }
        if (HandedOutWereAppended(lines)) {
            for (std::size_t i = 0; i < handedOut_.size(); ++i) {
                if (i + kPrefetchDistance < handedOut_.size()) keys_.Prefetch(handedOut_[i + kPrefetchDistance]);
                keys_.Insert(std::move(handedOut_[i]));
            }
        } else {
            for (std::size_t i = indexed_; i < lines.size(); ++i) keys_.Insert(MakeKey(lines[i]));
        }
        handedOut_.clear();
        if (lines.size() > indexed_) {
            indexed_ = lines.size();
            first_ = lines.front();
            last_ = lines.back();
        }
        lines_ = &lines;
    }

    bool Contains(const Key& key) const { return keys_.Contains(key); }
    void Prefetch(const Key& key) const { keys_.Prefetch(key); }

    // For an array this index follows and extends itself: the line that is about to be
    // appended to it. False, and nothing to append, when its key is there already.
    bool InsertAppended(const std::string& line) {
        if (!keys_.Insert(MakeKey(line))) return false;
        ++indexed_;
        last_ = line;
        return true;
    }

    // The keys of the lines the caller is about to append, in order, and the last of them.
    void ExpectAppended(std::vector<Key> keys, const std::string& lastLine) {
        handedOut_ = std::move(keys);
        lastHandedOut_ = lastLine;
    }

private:
    bool HandedOutWereAppended(const std::vector<std::string>& lines) const {
        return !handedOut_.empty() && lines.size() == indexed_ + handedOut_.size() && lines.back() == lastHandedOut_;
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
    KeySet<Key, Hash> keys_;
    std::vector<Key> handedOut_;
    std::string lastHandedOut_;
};

}  // namespace scenrix::detail
