// The duplicate tests of the scenery reader against the lines the builder already holds.
//
// The ident fields compared are fixed-width copies of their columns (blanks included),
// so "one contains the other" between two of them is equality: a hash of the key fields
// gives exactly the same answers as comparing with every known line, without making a
// scan quadratic. A hash match is confirmed on the key itself. The tables grow as needed.
#pragma once

#include <array>
#include <cstdint>
#include <deque>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace scenrix::detail {

// Key fields of a line side by side, as the getters copy them.
using NavaidKey = std::array<char, 3 + 20 + 10>;  // type, frequency text, ident
using AirportKey = std::array<char, 1 + 4 + 10>;  // side letter, whole degree, ident

NavaidKey MakeNavaidKey(const std::string& line);
AirportKey MakeAirportKey(const std::string& line);

// Lines indexed by the hash of their key; the lines themselves stay with their owner.
template <class Key, Key (*MakeKey)(const std::string&)>
class KeyIndex {
public:
    void Add(const std::string& line) { index_.emplace(Hash(MakeKey(line)), &line); }
    void Reserve(std::size_t count) { index_.reserve(count); }
    bool Contains(const std::string& line) const {
        const Key key = MakeKey(line);
        const auto [first, last] = index_.equal_range(Hash(key));
        for (auto it = first; it != last; ++it) {
            if (MakeKey(*it->second) == key) return true;
        }
        return false;
    }

private:
    static std::size_t Hash(const Key& key) {
        return std::hash<std::string_view>()(std::string_view(key.data(), key.size()));
    }
    std::unordered_multimap<std::size_t, const std::string*> index_;
};

// Navaids: type, frequency text and ident. Built from the known lines at first use;
// every line added joins the table, so a file's own duplicates go too.
class NavaidKeys {
public:
    explicit NavaidKeys(const std::vector<std::string>& known) : known_(known) {}
    // True, and the key kept, when no known or added line has the same key.
    bool Add(const std::string& line);

private:
    const std::vector<std::string>& known_;
    bool built_ = false;
    std::deque<std::string> added_;  // stays in place for the index
    KeyIndex<NavaidKey, MakeNavaidKey> index_;
};

// Airports: whole runway degree, side letter and ident, of the known lines only.
class AirportKeys {
public:
    explicit AirportKeys(const std::vector<std::string>& known) : known_(known) {}
    bool IsKnown(const std::string& line);

private:
    const std::vector<std::string>& known_;
    bool built_ = false;
    KeyIndex<AirportKey, MakeAirportKey> index_;
};

// The ILS list, extended in place: a line is added unless the very same text is there.
class IlsList {
public:
    explicit IlsList(std::vector<std::string>& lines);
    void Add(std::string line);

private:
    std::vector<std::string>& lines_;
    std::unordered_multimap<std::size_t, std::size_t> texts_;  // hash to line number
};

}  // namespace scenrix::detail
