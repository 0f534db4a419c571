#include "navdb/database_file.h"

#include <algorithm>
#include <cstdio>
#include <vector>

#include "platform/file_search.h"
#include "platform/files.h"
#include "platform/numbers.h"
#include "platform/paths.h"

namespace trevalo {

namespace {

// The count line's leading number; no number reads as 0, a negative one too.
int CountOf(std::string_view countLine) {
    return std::max(0, platform::LeadingInt(countLine));
}

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
    const std::string_view head = bytes.substr(0, width_);
    const size_t lineFeed = head.find('\n');
    // Without a line feed in the first width characters, the line ends as a record would.
    first_ = lineFeed == std::string_view::npos ? width_ + (stride_ - width_) : lineFeed + 1;
    claimed_ = CountOf(head.substr(0, lineFeed));
    size_t whole = 0;
    if (bytes.size() >= first_ + width_) whole = (bytes.size() - first_ - width_) / stride_ + 1;
    count_ = static_cast<int>(std::min<size_t>(whole, static_cast<size_t>(claimed_)));
}

void DatabaseRecords::ForEach(const std::function<void(const char* line, int number)>& read) const {
    std::vector<char> line(width_ + 1, '\0');
    for (int i = 0; i < count_; ++i) {
        const size_t start = first_ + static_cast<size_t>(i) * stride_;
        std::copy_n(bytes_.data() + start, width_, line.data());
        read(line.data(), i + 1);
    }
}

int ReadDatabaseFile(const std::string& baseDirectory, const DatabaseLayout& layout,
                     const std::function<void(std::string_view bytes)>& read) {
    const std::string path = platform::JoinWindowsPath(baseDirectory, layout.fileName);
    if (!platform::FileExists(path)) return layout.errorBase + kNotFound;
    platform::MappedFile file;
    if (!file.Open(path)) return layout.errorBase + (CanOpen(path) ? kCannotMap : kCannotOpen);
    read(file.text());
    return 0;
}

}  // namespace trevalo
