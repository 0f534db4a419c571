#include "navdb/database_file.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <vector>

#include "map/nav_database.h"
#include "platform/file_search.h"
#include "platform/files.h"
#include "platform/numbers.h"
#include "platform/paths.h"

namespace trevalo {

namespace {

constexpr std::string_view kCrLf = "\r\n";
constexpr std::string_view kLf = "\n";
constexpr int kCodesPerFile = 100;

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
    : bytes_(bytes), width_(layout.width), stride_(layout.stride) {
    // A count line padded to the width ends as a record does, with CR LF or LF; without a
    // line feed there, the line ends as a CR LF record would.
    const size_t lineFeed = bytes.substr(0, layout.stride).find('\n');
    first_ = lineFeed == std::string_view::npos ? layout.stride : lineFeed + 1;
    claimed_ = CountOf(bytes.substr(0, std::min(lineFeed, width_)));
    if (claimed_ == 0 || first_ >= bytes.size()) return;
    if (bytes.size() < first_ + width_) {
        // Less than one record: a line end in it makes it a shorter line, not a cut record.
        refused_ = bytes.substr(first_).find_first_of(kCrLf) != std::string_view::npos;
        return;
    }

    const std::string_view firstEnd = bytes.substr(first_ + width_);
    const std::string_view lineEnd = firstEnd.starts_with(kCrLf) ? kCrLf : kLf;
    stride_ = width_ + lineEnd.size();
    const size_t whole = (bytes.size() - first_ - width_) / stride_ + 1;
    const int count = static_cast<int>(std::min<size_t>(whole, static_cast<size_t>(claimed_)));
    for (int i = 0; i < count; ++i) {
        if (!EndsAsRecord(first_ + static_cast<size_t>(i) * stride_, lineEnd)) {
            refused_ = true;
            return;
        }
    }
    count_ = count;
}

bool DatabaseRecords::EndsAsRecord(size_t start, std::string_view lineEnd) const {
    if (std::memchr(bytes_.data() + start, '\n', width_) != nullptr) return false;
    // The last record of the bytes may go without its line end, or with part of it.
    const std::string_view end = bytes_.substr(start + width_, lineEnd.size());
    return lineEnd.starts_with(end) && (end.size() == lineEnd.size() || start + width_ + end.size() == bytes_.size());
}

void DatabaseRecords::ForEach(const std::function<void(const char* line, int number)>& read) const {
    ForEach(0, count_, read);
}

void DatabaseRecords::ForEach(int first, int last,
                              const std::function<void(const char* line, int number)>& read) const {
    std::vector<char> line(width_ + 1, '\0');
    for (int i = std::max(0, first); i < std::min(last, count_); ++i) {
        const size_t start = first_ + static_cast<size_t>(i) * stride_;
        std::copy_n(bytes_.data() + start, width_, line.data());
        read(line.data(), i + 1);
    }
}

int ReadDatabaseFile(const std::string& baseDirectory, const DatabaseLayout& layout,
                     const std::function<void(const DatabaseRecords& records)>& read) {
    const std::string path = platform::JoinWindowsPath(baseDirectory, layout.fileName);
    int code = 0;
    if (!platform::FileExists(path)) {
        code = layout.errorBase + kNotFound;
    } else if (platform::MappedFile file; !file.Open(path)) {
        code = layout.errorBase + (CanOpen(path) ? kCannotMap : kCannotOpen);
    } else if (const DatabaseRecords records(file.text(), layout); records.refused()) {
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
