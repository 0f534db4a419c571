// The duplicate tests of the scenery reader against the lines the builder already holds.
//
// The ident fields compared are fixed-width copies of their columns (blanks included),
// so "one contains the other" between two of them is equality: a hash of the key fields
// gives exactly the same answers as comparing with every known line. The indexes of the
// known lines are kept from call to call (KnownLineIndexes) and grow as needed.
#pragma once

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>
#include <vector>

#include "known_lines_index.h"

namespace scenrix::detail {

// Key fields of a line side by side, as the getters copy them.
using NavaidKey = std::array<char, 3 + 20 + 10>;  // type, frequency text, ident
using AirportKey = std::array<char, 1 + 4 + 10>;  // side letter, whole degree, ident

NavaidKey MakeNavaidKey(const std::string& line);
AirportKey MakeAirportKey(const std::string& line);

// The key's bytes taken eight at a time, each word mixed in by a multiplication, and
// the sum finished so that the low bits the table's slots use depend on every byte.
struct KeyBytesHash {
    template <std::size_t N>
    std::size_t operator()(const std::array<char, N>& key) const {
        std::uint64_t hash = N;
        for (std::size_t i = 0; i < N; i += sizeof(std::uint64_t)) {
            std::uint64_t word = 0;
            std::memcpy(&word, key.data() + i, std::min(sizeof word, N - i));
            hash = (hash ^ word) * 0x9E3779B97F4A7C15u;
            hash ^= hash >> 29;
        }
        hash *= 0xBF58476D1CE4E5B9u;
        hash ^= hash >> 32;
        return static_cast<std::size_t>(hash);
    }
};

using NavaidIndex = KnownLinesIndex<LineKeySet<NavaidKey, MakeNavaidKey, KeyBytesHash>>;
using AirportIndex = KnownLinesIndex<LineKeySet<AirportKey, MakeAirportKey, KeyBytesHash>>;
using IlsIndex = KnownLinesIndex<LineSet>;

// The indexes of the builder's known navaid and airport lines and of the ILS list,
// kept by the reader across calls.
struct KnownLineIndexes {
    NavaidIndex navaids;
    AirportIndex airports;
    IlsIndex ils;
};

// Tests lines in their order against the keys, their hashes worked out before, and calls
// kept(i) for each line i kept, the key of every line kept placed. A line whose key is
// there goes, unless onlyKnownDrop and the key came from a line of this file (at or past
// known, the keys' size when the file's tests began).
template <class Key, class Hash, class Kept>
void ForEachKeptLine(KeySet<Key, Hash>& keys, std::size_t known, const std::vector<Key>& lineKeys,
                     const std::vector<std::size_t>& hashes, bool onlyKnownDrop, Kept kept) {
    for (std::size_t i = 0; i < lineKeys.size(); ++i) {
        if (i + kPrefetchDistance < hashes.size()) keys.Prefetch(hashes[i + kPrefetchDistance]);
        const Placed placed = keys.Place(lineKeys[i], hashes[i]);
        if (placed.inserted || (onlyKnownDrop && placed.place >= known)) kept(i);
    }
}

// ForEachKeptLine that marks keep[i] for each line i kept.
template <class Key, class Hash>
void TestLines(KeySet<Key, Hash>& keys, const std::vector<Key>& lineKeys, const std::vector<std::size_t>& hashes,
               bool onlyKnownDrop, std::vector<std::uint8_t>& keep) {
    keep.assign(lineKeys.size(), 0);
    ForEachKeptLine(keys, keys.Size(), lineKeys, hashes, onlyKnownDrop, [&](std::size_t i) { keep[i] = 1; });
}

// ForEachKeptLine that moves each line kept to the end of to, in one pass; says how many came.
template <class Key, class Hash>
std::size_t MoveKeptLines(KeySet<Key, Hash>& keys, std::size_t known, std::vector<std::string>& lines,
                          const std::vector<Key>& lineKeys, const std::vector<std::size_t>& hashes, bool onlyKnownDrop,
                          std::vector<std::string>& to) {
    const std::size_t before = to.size();
    ForEachKeptLine(keys, known, lineKeys, hashes, onlyKnownDrop,
                    [&](std::size_t i) { to.push_back(std::move(lines[i])); });
    return to.size() - before;
}

// Moves each new line to the end of lines, unless the very same text is there; lines
// are the ones the set's places refer to. Says how many came.
std::size_t AddNewLines(LineSet& set, std::vector<std::string>& newLines, const std::vector<std::size_t>& hashes,
                        std::vector<std::string>& lines);

}  // namespace scenrix::detail
