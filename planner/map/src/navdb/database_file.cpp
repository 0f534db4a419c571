#include "navdb/database_file.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <utility>
#include <vector>

#include "map/nav_database.h"
#include "navdb/share_work.h"
#include "platform/file_search.h"
#include "platform/files.h"
#include "platform/numbers.h"
#include "platform/paths.h"

namespace trevalo {

namespace {

constexpr std::string_view kCrLf = "\r\n";
constexpr std::string_view kLf = "\n";
constexpr int kCodesPerFile = 100;
constexpr size_t kBlockBytes = 65536;  // records read at a time by one reader

// The count line's leading number; no number reads as 0, a negative one too.
int CountOf(std::string_view countLine) { return std::max(0, platform::LeadingInt(countLine)); }

// Whether the file can be opened at all: a failure past that is the mapping's.
bool CanOpen(const std::string& windowsPath) {
    std::FILE* file = std::fopen(platform::HostPath(windowsPath).c_str(), "rb");
    if (file == nullptr) return false;
    std::fclose(file);
    return true;
}

}  // namespace

DatabaseRecords::DatabaseRecords(std::string_view bytes, const DatabaseLayout& layout)
    : DatabaseRecords(
          [bytes](size_t offset, char* out, size_t length) -> size_t {
              if (offset >= bytes.size()) return 0;
              const size_t taken = std::min(length, bytes.size() - offset);
              std::memcpy(out, bytes.data() + offset, taken);
              return taken;
          },
          bytes.size(), layout) {}

DatabaseRecords::DatabaseRecords(ByteSource source, size_t size, const DatabaseLayout& layout)
    : source_(std::move(source)), size_(size), width_(layout.width), stride_(layout.stride) {
    // The count line and the first record with its line end; a source that ends within
    // them is that long.
    std::string head(std::min(size_, layout.stride + layout.width + kCrLf.size()), '\0');
    const size_t wanted = head.size();
    head.resize(source_(0, head.data(), head.size()));
    if (head.size() < wanted) size_ = head.size();
    const std::string_view bytes = head;

    // A count line padded to the width ends as a record does, with CR LF or LF; without a
    // line feed there, the line ends as a CR LF record would.
    const size_t lineFeed = bytes.substr(0, layout.stride).find('\n');
    first_ = lineFeed == std::string_view::npos ? layout.stride : lineFeed + 1;
    claimed_ = CountOf(bytes.substr(0, std::min(lineFeed, width_)));
    if (claimed_ == 0 || first_ >= size_) return;
    if (size_ < first_ + width_) {
        // Less than one record: a line end in it makes it a shorter line, not a cut record.
        refused_ = bytes.substr(first_).find_first_of(kCrLf) != std::string_view::npos;
        return;
    }

    const std::string_view firstEnd = bytes.substr(first_ + width_);
    const std::string_view lineEnd = firstEnd.starts_with(kCrLf) ? kCrLf : kLf;
    stride_ = width_ + lineEnd.size();
    const size_t whole = (size_ - first_ - width_) / stride_ + 1;
    const int count = static_cast<int>(std::min<size_t>(whole, static_cast<size_t>(claimed_)));
    const std::vector<Share> shares = SharesOf(count);
    std::vector<int> firstBad(shares.size()), firstCut(shares.size(), count);
    OnThreads(static_cast<int>(shares.size()), [&](int s) {
        const Share& share = shares[static_cast<size_t>(s)];
        firstBad[static_cast<size_t>(s)] =
            FirstNotRecord(share.first, share.last, lineEnd, firstCut[static_cast<size_t>(s)]);
    });
    // A source cut short while it was read holds the records before the first it could
    // not give whole.
    const int held = *std::min_element(firstCut.begin(), firstCut.end());
    for (size_t s = 0; s < shares.size(); ++s) {
        if (firstBad[s] < std::min(shares[s].last, held)) {
            refused_ = true;
            return;
        }
    }
    count_ = std::min(count, held);
}

size_t DatabaseRecords::RecordsPerBlock() const { return std::max<size_t>(1, kBlockBytes / stride_); }

int DatabaseRecords::FirstNotRecord(int first, int last, std::string_view lineEnd, int& firstCut) const {
    std::vector<char> block;
    for (int at = first; at < last;) {
        const int end = std::min(last, at + static_cast<int>(RecordsPerBlock()));
        const size_t offset = first_ + static_cast<size_t>(at) * stride_;
        block.resize(static_cast<size_t>(end - at) * stride_);
        const size_t got = source_(offset, block.data(), block.size());
        // The bytes end where the source stopped giving them, or at its size.
        const size_t bytesEnd = got < block.size() ? offset + got : size_;
        for (int i = at; i < end; ++i) {
            const size_t start = static_cast<size_t>(i - at) * stride_;
            if (start + width_ > got) {
                firstCut = i;
                return last;
            }
            const std::string_view record(block.data() + start, std::min(stride_, got - start));
            if (!EndsAsRecord(record, offset + start, lineEnd, bytesEnd)) return i;
        }
        at = end;
    }
    return last;
}

bool DatabaseRecords::EndsAsRecord(std::string_view record, size_t start, std::string_view lineEnd,
                                   size_t bytesEnd) const {
    if (std::memchr(record.data(), '\n', width_) != nullptr) return false;
    // The last record of the bytes may go without its line end, or with part of it.
    const std::string_view end = record.substr(width_, lineEnd.size());
    return lineEnd.starts_with(end) && (end.size() == lineEnd.size() || start + width_ + end.size() == bytesEnd);
}

void DatabaseRecords::ForEach(const std::function<void(const char* line, int number)>& read) const {
    ForEach(0, count_, read);
}

void DatabaseRecords::ForEach(int first, int last,
                              const std::function<void(const char* line, int number)>& read) const {
    std::vector<char> block;
    for (int at = std::max(0, first); at < std::min(last, count_);) {
        const int end = std::min(std::min(last, count_), at + static_cast<int>(RecordsPerBlock()));
        block.resize(static_cast<size_t>(end - at) * stride_);
        const size_t got = source_(first_ + static_cast<size_t>(at) * stride_, block.data(), block.size());
        // Bytes the source no longer gives read as blanks.
        std::fill(block.begin() + static_cast<std::ptrdiff_t>(got), block.end(), ' ');
        for (int i = at; i < end; ++i) {
            char* line = block.data() + static_cast<size_t>(i - at) * stride_;
            line[width_] = '\0';
            read(line, i + 1);
        }
        at = end;
    }
}

int ReadDatabaseFile(const std::string& baseDirectory, const DatabaseLayout& layout,
                     const std::function<void(const DatabaseRecords& records)>& read) {
    const std::string path = platform::JoinWindowsPath(baseDirectory, layout.fileName);
    int code = 0;
    if (!platform::FileExists(path)) {
        code = layout.errorBase + kNotFound;
    } else if (platform::FileAtOffsets file; !file.Open(path)) {
        code = layout.errorBase + (CanOpen(path) ? kCannotMap : kCannotOpen);
    } else if (const DatabaseRecords records(
                   [&file](size_t offset, char* out, size_t length) { return file.ReadAt(offset, out, length); },
                   static_cast<size_t>(file.size()), layout);
               records.refused()) {
        code = layout.errorBase + kNotRecordLines;
    } else {
        read(records);
        if (records.count() < records.claimed()) {
            code = layout.errorBase + kCutShort;
            SetLoadError(code, CutShortMessage(code, layout.fileName, records.claimed(), records.count()));
            return code;
        }
    }
    SetLoadError(code);
    return code;
}

bool RecordsWereRead(int code) { return code == 0 || code % kCodesPerFile == kCutShort; }

}  // namespace trevalo
