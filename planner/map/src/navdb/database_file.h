// The three database files as the loaders read them: a count line, then fixed-width
// records, each ended by CR LF as the scenery reader writes them or by LF alone (as a
// Linux editor or git leaves them). A file is read by parts as its records are
// (platform::FileAtOffsets), never held whole: a database cut short while it loads reads
// shorter, a record it no longer holds when it is read again reads as blanks, and the
// loader never faults.
#pragma once

#include <cstddef>
#include <functional>
#include <string>
#include <string_view>

namespace trevalo {

struct DatabaseLayout {
    const char* fileName;
    size_t width;   // characters of a record line
    size_t stride;  // bytes from one record to the next with CR LF
    int errorBase;  // 100, 200 or 300
};

inline constexpr DatabaseLayout kAirportDatabase{"Airport.nav", 335, 337, 100};
inline constexpr DatabaseLayout kNavaidDatabase{"Navaids.nav", 170, 172, 200};
inline constexpr DatabaseLayout kIlsDatabase{"Ils.nav", 92, 94, 300};

// Offsets of the load error codes from a file's base code.
inline constexpr int kNotFound = 0;
inline constexpr int kCannotOpen = 1;
inline constexpr int kCannotMap = 2;
inline constexpr int kNotRecordLines = 6;  // nothing read: its lines are not records of the width
inline constexpr int kCutShort = 7;        // fewer records than its count line promises, those read

// The records of a database file's bytes. The count line is read only as far as the
// bytes reach, and only whole records inside the bytes are counted, whatever the count
// line claims. The first record's line end tells CR LF from LF; a file whose records do
// not all end where that puts them (a line longer or shorter than the width, line ends
// of both kinds, a line feed inside a record) is refused and gives no records.
class DatabaseRecords {
public:
    // Gives up to length bytes from offset into out and returns how many: fewer past the end.
    using ByteSource = std::function<size_t(size_t offset, char* out, size_t length)>;

    DatabaseRecords(std::string_view bytes, const DatabaseLayout& layout);
    // The bytes of a source of size bytes, its records checked on a few threads at once.
    DatabaseRecords(ByteSource source, size_t size, const DatabaseLayout& layout);

    int claimed() const { return claimed_; }
    int count() const { return count_; }
    bool refused() const { return refused_; }
    // Calls read with each record line (terminated, exactly the width) and its 1-based
    // number, in file order.
    void ForEach(const std::function<void(const char* line, int number)>& read) const;
    // The same for the records of 0-based positions first .. last - 1, for readers that
    // share the work out; each call reads its records into a buffer of its own.
    void ForEach(int first, int last, const std::function<void(const char* line, int number)>& read) const;

private:
    // The first record of [first, last) that does not end as a record, or last; reads
    // them block by block, and sets firstCut to the first that the source no longer
    // gives whole, if one.
    int FirstNotRecord(int first, int last, std::string_view lineEnd, int& firstCut) const;
    // Whether a record (its bytes from start, its line end as far as the bytes reach)
    // ends as one; the last before bytesEnd may go without its line end or part of it.
    bool EndsAsRecord(std::string_view record, size_t start, std::string_view lineEnd, size_t bytesEnd) const;
    size_t RecordsPerBlock() const;

    ByteSource source_;
    size_t size_ = 0;
    size_t width_;
    size_t stride_;
    size_t first_ = 0;
    int claimed_ = 0;
    int count_ = 0;
    bool refused_ = false;
};

// Reads base directory + the file's name and hands its records to read. Returns 0, or
// the file's base code + kNotFound, kCannotOpen, kCannotMap or kNotRecordLines (nothing
// handed over), or + kCutShort (the records there handed over); a code is also stored
// with SetLoadError, a cut-short file's with the counts in its message.
int ReadDatabaseFile(const std::string& baseDirectory, const DatabaseLayout& layout,
                     const std::function<void(const DatabaseRecords& records)>& read);

// Whether a code of ReadDatabaseFile leaves records read.
bool RecordsWereRead(int code);

}  // namespace trevalo
