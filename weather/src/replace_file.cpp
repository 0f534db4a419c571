#include "replace_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <string>

namespace wx::detail {
namespace {

constexpr mode_t kNewFileMode = 0644;

bool WriteAll(int fd, const std::vector<std::byte>& bytes) {
    size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t written = ::write(fd, bytes.data() + done, bytes.size() - done);
        if (written < 0 && errno == EINTR) continue;
        if (written <= 0) return false;
        done += static_cast<size_t>(written);
    }
    return true;
}

}  // namespace

bool ReadHostFile(const std::filesystem::path& path, std::vector<std::byte>& bytes) {
    std::ifstream in(path, std::ios::binary);
    if (!in) return false;
    const std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    if (in.bad()) return false;
    bytes.resize(text.size());
    std::transform(text.begin(), text.end(), bytes.begin(), [](char c) { return std::byte(c); });
    return true;
}

bool IsReadOnly(const std::filesystem::path& path) {
    struct stat info {};
    return ::stat(path.c_str(), &info) == 0 && (info.st_mode & S_IWUSR) == 0;
}

bool ReplaceHostFile(const std::filesystem::path& path, const std::vector<std::byte>& bytes) {
    if (IsReadOnly(path)) return false;
    std::string temp = path.string() + ".XXXXXX";
    const int fd = ::mkstemp(temp.data());
    if (fd < 0) return false;
    const bool written = WriteAll(fd, bytes) && ::fchmod(fd, kNewFileMode) == 0 && ::fsync(fd) == 0;
    const bool closed = ::close(fd) == 0;
    if (!written || !closed || std::rename(temp.c_str(), path.c_str()) != 0) {
        ::unlink(temp.c_str());
        return false;
    }
    return true;
}

}  // namespace wx::detail
