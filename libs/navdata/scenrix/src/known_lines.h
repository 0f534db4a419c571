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
inline const std::string& IlsKey(const std::string& line) { return line; }

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

using NavaidIndex = KnownLinesIndex<NavaidKey, MakeNavaidKey, KeyBytesHash>;
using AirportIndex = KnownLinesIndex<AirportKey, MakeAirportKey, KeyBytesHash>;
using IlsIndex = KnownLinesIndex<std::string, IlsKey, std::hash<std::string>>;

// The indexes of the builder's known navaid and airport lines and of the ILS list,
// kept by the reader across calls.
struct KnownLineIndexes {
    NavaidIndex navaids;
    AirportIndex airports;
    IlsIndex ils;
};

// Navaids: type, frequency text and ident, of the known lines and of every line added
// during this call, so a file's own duplicates go too.
class NavaidKeys {
public:
    NavaidKeys(NavaidIndex& index, const std::vector<std::string>& known);
    // True, and the key kept, when no known or added line has the same key.
    bool Add(const NavaidKey& key);
    void Prefetch(const NavaidKey& key) const { known_.Prefetch(key); }
    // The lines added are about to be appended to the known ones; lastLine is the last.
    void HandOut(const std::string& lastLine);

private:
    NavaidIndex& known_;
    KeySet<NavaidKey, KeyBytesHash> added_;
    std::vector<NavaidKey> handedOut_;
};

// Airports: whole runway degree, side letter and ident, of the known lines only.
class AirportKeys {
public:
    AirportKeys(AirportIndex& index, const std::vector<std::string>& known);
    // False, and the key kept for HandOut, when no known line has it.
    bool IsKnown(const AirportKey& key);
    void Prefetch(const AirportKey& key) const { known_.Prefetch(key); }
    // The lines not known are about to be appended to the known ones; lastLine is the last.
    void HandOut(const std::string& lastLine);

private:
    AirportIndex& known_;
    std::vector<AirportKey> handedOut_;
};

// The ILS list, extended in place: a line is added unless the very same text is there.
class IlsList {
public:
    IlsList(IlsIndex& index, std::vector<std::string>& lines);
    void Add(std::string line);

private:
    IlsIndex& index_;
    std::vector<std::string>& lines_;
};

}  // namespace scenrix::detail
