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
// Not thread-safe: one index serves one thread (the reader runs on the builder's
// worker thread).
#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "known_lines_set.h"

namespace scenrix::detail {

// MakeKey(line) gives the key of a line.
template <class Key, auto MakeKey, class Hash>
class KnownLinesIndex {
public:
    void Sync(const std::vector<std::string>& lines) {
        if (!IsPrefixOf(lines)) {
            keys_.Clear();
            indexed_ = 0;
        }
        for (std::size_t i = indexed_; i < lines.size(); ++i) {
            keys_.Insert(MakeKey(lines[i]));
        }
        if (lines.size() > indexed_) {
            indexed_ = lines.size();
            first_ = lines.front();
            last_ = lines.back();
        }
        lines_ = &lines;
    }

    bool Contains(const Key& key) const { return keys_.Contains(key); }

private:
    // True when lines still begins with what was indexed.
    bool IsPrefixOf(const std::vector<std::string>& lines) const {
        if (indexed_ == 0) return true;
        return &lines == lines_ && lines.size() >= indexed_ && lines.front() == first_ &&
               lines[indexed_ - 1] == last_;
    }

    const std::vector<std::string>* lines_ = nullptr;
    std::size_t indexed_ = 0;
    std::string first_;
    std::string last_;
    KeySet<Key, Hash> keys_;
};

}  // namespace scenrix::detail
