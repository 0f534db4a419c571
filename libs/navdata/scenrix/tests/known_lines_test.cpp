// The indexes of known lines kept across reader calls: lines appended since the last
// call are added, and every other change to the array makes the index start afresh.
#include <gtest/gtest.h>

#include <cstring>
#include <functional>
#include <string>
#include <vector>

#include "aerodrex/airport_getters.h"
#include "beaconex/navaid_getters.h"
#include "known_lines.h"
#include "navdata/record_lines.h"

namespace scenrix::detail {
namespace {

using Lines = std::vector<std::string>;

// Lines that are their own keys, the keys kept in the set.
inline const std::string& Itself(const std::string& line) { return line; }
using StringIndex = KnownLinesIndex<LineKeySet<std::string, Itself, std::hash<std::string>>>;

struct IndexChange {
    const char* name;
    std::function<const Lines&(Lines& lines, Lines& other)> change;  // gives the array to sync
    std::vector<std::pair<const char*, bool>> expected;              // key, is it known
};

TEST(KnownLinesIndexTest, FollowsTheArrayItWasLastSyncedWith) {
    const IndexChange changes[] = {
        {"appended",
         [](Lines& l, Lines&) -> const Lines& {
             l.push_back("d");
             return l;
         },
         {{"a", true}, {"c", true}, {"d", true}}},
        {"moved by growth",
         [](Lines& l, Lines&) -> const Lines& {
             l.reserve(1000);
             return l;
         },
         {{"a", true}, {"c", true}}},
        {"emptied",
         [](Lines& l, Lines&) -> const Lines& {
             l.clear();
             return l;
         },
         {{"a", false}, {"c", false}}},
        {"shrunk",
         [](Lines& l, Lines&) -> const Lines& {
             l.pop_back();
             return l;
         },
         {{"b", true}, {"c", false}}},
        {"another array", [](Lines&, Lines& o) -> const Lines& { return o; }, {{"a", false}, {"a2", true}}},
        {"first line changed",
         [](Lines& l, Lines&) -> const Lines& {
             l[0] = std::string("z");
             return l;
         },
         {{"a", false}, {"z", true}}},
        {"last line changed and more",
         [](Lines& l, Lines&) -> const Lines& {
             l[2] = std::string("z");
             l.push_back("e");
             return l;
         },
         {{"c", false}, {"z", true}, {"e", true}}},
        {"emptied and refilled",
         [](Lines& l, Lines&) -> const Lines& {
             l = {"p", "q", "r", "s"};
             return l;
         },
         {{"a", false}, {"c", false}, {"s", true}}},
    };
    // The same for keys kept in the set and for lines compared at their places.
    const auto follows = [&](auto index, const char* kind) {
        for (const IndexChange& c : changes) {
            Lines lines = {"a", "b", "c"};
            Lines other = {"a2", "b", "c", "d"};
            index = {};
            index.Sync(lines);
            index.Sync(c.change(lines, other));
            for (const auto& [key, known] : c.expected) {
                EXPECT_EQ(index.Contains(key), known) << kind << ", " << c.name << ": " << key;
            }
        }
    };
    follows(StringIndex{}, "keys");
    follows(IlsIndex{}, "lines");
}

TEST(KnownLinesIndexTest, TakesTheKeysHandedOutOnlyForTheLinesHandedOut) {
    struct Case {
        const char* name;
        Lines appended;
        const char* knownKey;
        const char* unknownKey;
    };
    const Case cases[] = {
        {"the lines handed out", {"x", "y"}, "key of y", "y"},
        {"other lines", {"x", "z"}, "z", "key of y"},
        {"fewer lines", {"y"}, "y", "key of y"},
    };
    for (const Case& c : cases) {
        Lines lines = {"a"};
        StringIndex index;
        index.Sync(lines);
        // The keys placed while lines are tested stand for the lines handed out.
        index.Keys().Insert("key of x");
        index.Keys().Insert("key of y");
        index.ExpectAppended(2, Lines{"x", "y"});
        lines.insert(lines.end(), c.appended.begin(), c.appended.end());
        index.Sync(lines);
        EXPECT_TRUE(index.Contains(c.knownKey)) << c.name;
        EXPECT_FALSE(index.Contains(c.unknownKey)) << c.name;
        EXPECT_TRUE(index.Contains("a")) << c.name;
    }
}

TEST(KnownLinesIndexTest, TestsEachLineAgainstTheKnownKeysAndTheLinesBeforeIt) {
    struct Case {
        const char* name;
        bool onlyKnownDrop;
        std::vector<std::uint8_t> keep;
    };
    // "a" is known; "b" comes twice in the call.
    const Lines lines = {"a", "b", "c", "b", "a", "d"};
    const Case cases[] = {
        {"navaids: known and earlier lines drop", false, {0, 1, 1, 0, 0, 1}},
        {"airports: known lines alone drop", true, {0, 1, 1, 1, 0, 1}},
    };
    for (const Case& c : cases) {
        Lines known = {"a"};
        StringIndex index;
        index.Sync(known);
        std::vector<std::size_t> hashes;
        for (const std::string& line : lines) hashes.push_back(std::hash<std::string>()(line));
        std::vector<std::uint8_t> keep;
        TestLines(index.Keys(), lines, hashes, c.onlyKnownDrop, keep);
        EXPECT_EQ(keep, c.keep) << c.name;
        for (const char* key : {"a", "b", "c", "d"}) EXPECT_TRUE(index.Contains(key)) << c.name << ": " << key;
        EXPECT_EQ(index.Keys().Size(), 4u) << c.name;
    }
}

TEST(KnownLinesIndexTest, IlsLinesComeUnlessTheirTextIsThere) {
    struct Case {
        const char* name;
        Lines known;
        Lines added;
        Lines expected;
    };
    const Case cases[] = {
        {"into an empty list", {}, {"a", "b", "a"}, {"a", "b"}},
        {"after known lines", {"a", "b"}, {"c", "b", "c", "d"}, {"a", "b", "c", "d"}},
        {"nothing new", {"a"}, {"a", "a"}, {"a"}},
    };
    for (const Case& c : cases) {
        Lines lines = c.known;
        IlsIndex index;
        index.Sync(lines);
        Lines added = c.added;
        std::vector<std::size_t> hashes;
        for (const std::string& line : added) hashes.push_back(LineSet::Hash(line));
        const std::size_t came = AddNewLines(index.Keys(), added, hashes, lines);
        EXPECT_EQ(lines, c.expected) << c.name;
        EXPECT_EQ(came, c.expected.size() - c.known.size()) << c.name;
        index.ExpectAppended(came, lines);
        index.Sync(lines);
        EXPECT_EQ(index.Keys().Size(), lines.size()) << c.name;
        for (const std::string& line : lines) EXPECT_TRUE(index.Contains(line)) << c.name << ": " << line;
        EXPECT_FALSE(index.Contains("z")) << c.name;
    }
}

TEST(KnownLinesIndexTest, KeySetHoldsManyKeys) {
    KeySet<std::string, std::hash<std::string>> set;
    for (int i = 0; i < 100000; ++i) {
        ASSERT_TRUE(set.Insert(std::to_string(i)));
    }
    for (int i = 0; i < 100000; i += 7) {
        EXPECT_FALSE(set.Insert(std::to_string(i)));
        EXPECT_TRUE(set.Contains(std::to_string(i)));
        EXPECT_FALSE(set.Contains(std::to_string(-1 - i)));
    }
    set.Clear();
    EXPECT_FALSE(set.Contains("0"));
}

// The keys as the getters copy them: what the direct reads of a line's columns must give.
AirportKey AirportKeyByGetters(const std::string& line) {
    AirportKey key;
    key[0] = GetAirportRnw(line.c_str());
    const std::int32_t degree = static_cast<std::int32_t>(GetAirportRunwayDegree(line.c_str()));
    std::memcpy(key.data() + 1, &degree, sizeof degree);
    char ident[11];
    GetAirportID(ident, line.c_str());
    std::memcpy(key.data() + 5, ident, 10);
    return key;
}

NavaidKey NavaidKeyByGetters(const std::string& line) {
    NavaidKey key;
    char type[4], frequency[21], ident[11];
    GetNavaidsType(type, line.c_str());
    GetNavaidsFreq(frequency, line.c_str());
    GetNavaidsID(ident, line.c_str());
    std::memcpy(key.data(), type, 3);
    std::memcpy(key.data() + 3, frequency, 20);
    std::memcpy(key.data() + 23, ident, 10);
    return key;
}

TEST(KnownLineKeysTest, ColumnsReadAsTheGettersCopyThem) {
    const std::string runway = navdata::ComposeAirportLine({.ident = "LFPG", .runwayHeading = "087.5", .side = "L1.5"});
    const std::string noSide = navdata::ComposeAirportLine({.ident = "EGLL", .side = "-2.25"});
    std::string zeroAfterIdent = runway + '\n';
    zeroAfterIdent[200] = '\0';
    std::string zeroAtLineFeed = runway + '\n';
    zeroAtLineFeed[335] = '\0';
    const std::string airportLines[] = {
        runway, runway + '\n', noSide + '\n', zeroAfterIdent, zeroAtLineFeed, runway.substr(0, 250), ""};
    for (const std::string& line : airportLines) {
        EXPECT_EQ(MakeAirportKey(line), AirportKeyByGetters(line)) << line;
    }
    const std::string navaid = navdata::ComposeNavaidLine({.type = "VOR", .ident = "BNE", .frequency = 113.2});
    std::string zeroInFrequency = navaid;
    zeroInFrequency[50] = '\0';
    std::string zeroEndingFrequency = navaid;  // the last byte tested, past the whole words
    zeroEndingFrequency[62] = '\0';
    const std::string navaidLines[] = {
        navaid, navaid + '\n', zeroInFrequency, zeroEndingFrequency, navaid.substr(0, 60), ""};
    for (const std::string& line : navaidLines) {
        EXPECT_EQ(MakeNavaidKey(line), NavaidKeyByGetters(line)) << line;
    }
}

}  // namespace
}  // namespace scenrix::detail
