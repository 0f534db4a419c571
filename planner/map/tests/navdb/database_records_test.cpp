#include <algorithm>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "navdb/database_file.h"

namespace trevalo {
namespace {

// A small layout keeps the cases readable; the real ones differ only in their numbers.
constexpr DatabaseLayout kTiny{"Tiny.nav", 4, 6, 900};

std::string Padded(const std::string& text) { return text + std::string(kTiny.width - text.size(), ' '); }

struct RecordsCase {
    const char* what;
    std::string bytes;
    int claimed;
    std::vector<std::string> lines;
    bool refused = false;
};

const RecordsCase kCases[] = {
    {"padded count line, CR LF records", Padded("2") + "\r\nAAAA\r\nBBBB\r\n", 2, {"AAAA", "BBBB"}},
    {"bare count line", "2\r\nAAAA\r\nBBBB\r\n", 2, {"AAAA", "BBBB"}},
    {"last record without its line end", "2\r\nAAAA\r\nBBBB", 2, {"AAAA", "BBBB"}},
    {"count smaller than the file", "1\r\nAAAA\r\nBBBB\r\n", 1, {"AAAA"}},
    {"count larger than the file", "9\r\nAAAA\r\nBBBB\r\n", 9, {"AAAA", "BBBB"}},
    {"a cut last record is not read", "3\r\nAAAA\r\nBBBB\r\nCC", 3, {"AAAA", "BBBB"}},
    {"count line without a line feed in its width", "2   \r\nAAAA\r\n", 2, {"AAAA"}},
    {"non-numeric count", "xy\r\nAAAA\r\n", 0, {}},
    {"negative count", "-5\r\nAAAA\r\n", 0, {}},
    {"file shorter than the count line", "7", 7, {}},
    {"empty file", "", 0, {}},
    {"LF records", "2\nAAAA\nBBBB\n", 2, {"AAAA", "BBBB"}},
    {"LF records after a CR LF count line", "2\r\nAAAA\nBBBB", 2, {"AAAA", "BBBB"}},
    {"a cut LF file", "3\nAAAA\nBBBB\nCC", 3, {"AAAA", "BBBB"}},
    {"last record with half its CR LF", "2\r\nAAAA\r\nBBBB\r", 2, {"AAAA", "BBBB"}},
    {"line ends of both kinds", "2\r\nAAAA\r\nBBBB\nCCCC\r\n", 2, {}, true},
    {"a line shorter than one record", "2\r\nAA\r\n", 2, {}, true},
    {"a short line", "3\nAAAA\nBB\nCCCC\nDDDD\n", 3, {}, true},
    {"a long line", "2\nAAAAA\nBBBB\n", 2, {}, true},
    {"a line feed inside a record", "2\r\nA\nAA\r\nBBBB\r\n", 2, {}, true},
};

TEST(DatabaseRecords, ReadsWholeRecordsOfEitherLineEndAndRefusesOtherLines) {
    for (const RecordsCase& c : kCases) {
        SCOPED_TRACE(c.what);
        // The bytes in a buffer of exactly their size, so that a read past them shows.
        const std::vector<char> exact(c.bytes.begin(), c.bytes.end());
        const DatabaseRecords records(std::string_view(exact.data(), exact.size()), kTiny);
        EXPECT_EQ(records.claimed(), c.claimed);
        EXPECT_EQ(records.refused(), c.refused);
        std::vector<std::string> lines;
        std::vector<int> numbers;
        records.ForEach([&](const char* line, int number) {
            lines.emplace_back(line);
            numbers.push_back(number);
        });
        EXPECT_EQ(lines, c.lines);
        EXPECT_EQ(records.count(), static_cast<int>(c.lines.size()));
        for (size_t i = 0; i < numbers.size(); ++i) EXPECT_EQ(numbers[i], static_cast<int>(i + 1));
    }
}

// Records enough to be checked on several threads, numbered in their characters, under a
// layout wide enough for their count.
constexpr DatabaseLayout kWide{"Wide.nav", 8, 10, 900};

std::string ManyRecords(int count, const std::string& lineEnd) {
    std::string bytes = std::to_string(count) + lineEnd;
    for (int i = 0; i < count; ++i) {
        const std::string number = std::to_string(i % 10000);
        bytes += std::string(kWide.width - number.size(), '0') + number + lineEnd;
    }
    return bytes;
}

// A source that gives only its first `held` bytes, as a file cut short after its size
// was taken.
DatabaseRecords::ByteSource CutAfter(const std::string& bytes, size_t held) {
    return [&bytes, held](size_t offset, char* out, size_t length) -> size_t {
        if (offset >= held) return 0;
        const size_t taken = std::min(length, held - offset);
        bytes.copy(out, taken, offset);
        return taken;
    };
}

TEST(DatabaseRecords, ManyRecordsAreCheckedInPartsAndACutSourceStopsAtItsFirstPartRecord) {
    constexpr int kCount = 40000;
    for (const std::string lineEnd : {"\r\n", "\n"}) {
        SCOPED_TRACE(lineEnd.size() == 2 ? "CR LF" : "LF");
        const std::string bytes = ManyRecords(kCount, lineEnd);
        const size_t head = std::to_string(kCount).size() + lineEnd.size();
        const size_t stride = kWide.width + lineEnd.size();
        struct Cut {
            size_t held;
            int count;
        };
        const Cut cuts[] = {{bytes.size(), kCount},
                            {head + 30001 * stride + 2, 30001},        // within a record: those before it
                            {head + 123 * stride + kWide.width, 124},  // a record without its line end
                            {head + 9000 * stride, 9000}};
        for (const Cut& cut : cuts) {
            const DatabaseRecords records(CutAfter(bytes, cut.held), bytes.size(), kWide);
            EXPECT_FALSE(records.refused());
            EXPECT_EQ(records.claimed(), kCount);
            ASSERT_EQ(records.count(), cut.count) << cut.held;
            int seen = 0;
            bool inOrder = true;
            records.ForEach([&](const char* line, int number) {
                inOrder = inOrder && number == seen + 1 && std::stoi(line) == seen % 10000;
                ++seen;
            });
            EXPECT_EQ(seen, cut.count);
            EXPECT_TRUE(inOrder);
        }
        // A bad record far into the file refuses it whole.
        std::string bad = bytes;
        bad[head + 35000 * stride + 1] = '\n';
        EXPECT_TRUE(DatabaseRecords(bad, kWide).refused());
    }
}

}  // namespace
}  // namespace trevalo
