#include "replace_temporary.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cctype>
#include <cerrno>
#include <chrono>
#include <cstdint>
#include <ctime>
#include <vector>

namespace platform {
namespace {

constexpr std::string_view kTemporaryMark = ".~";
constexpr std::string_view kNameCharacters = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789";
constexpr size_t kRandomLength = 6;
constexpr int kNameAttempts = 100;
// A writer locks its file microseconds after making it; older versions did not lock at
// all. A file left this long without a lock belongs to nobody.
constexpr std::time_t kStaleAfterSeconds = 60;
constexpr const char* kOwnDescriptors = "/proc/self/fd";

std::filesystem::path FolderOf(const std::filesystem::path& target) {
    const std::filesystem::path folder = target.parent_path();
    return folder.empty() ? "." : folder;
}

// A name part that no other writer picks at the same moment (retried when taken).
std::string RandomSuffix() {
    static std::atomic<std::uint64_t> counter{0};
    const auto now = std::chrono::steady_clock::now().time_since_epoch().count();
    // splitmix64 over the clock, the process and a counter.
    std::uint64_t z = static_cast<std::uint64_t>(now) ^ (static_cast<std::uint64_t>(::getpid()) << 40) ^
                      (counter.fetch_add(1) * 0x9E3779B97F4A7C15ull);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    z ^= z >> 31;
    std::string suffix;
    for (size_t i = 0; i < kRandomLength; ++i) {
        suffix += kNameCharacters[z % kNameCharacters.size()];
        z /= kNameCharacters.size();
    }
    return suffix;
}

std::string CandidateName(const std::filesystem::path& target) {
    return (FolderOf(target) / target.filename()).string() + std::string(kTemporaryMark) + RandomSuffix();
}

bool Lock(int fd, int operation) {
    int result = 0;
    while ((result = ::flock(fd, operation)) != 0 && errno == EINTR) {
    }
    return result == 0;
}

// Naming an unnamed file goes through its /proc link; without /proc it is named at once.
int OpenUnnamed(const std::filesystem::path& folder) {
    if (::access(kOwnDescriptors, X_OK) != 0) return -1;
    return ::open(folder.c_str(), O_TMPFILE | O_WRONLY | O_CLOEXEC, 0666);
}

int OpenNamed(const std::filesystem::path& target, std::string& name) {
    for (int attempt = 0; attempt < kNameAttempts; ++attempt) {
        name = CandidateName(target);
        const int fd = ::open(name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0 || errno != EEXIST) return fd;
    }
    return -1;
}

void SyncFolder(const std::filesystem::path& folder) {
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return;
    ::fsync(fd);  // the rename is done; a folder that cannot be synced changes nothing
    ::close(fd);
}

bool IsTemporaryName(std::string_view entry, std::string_view targetName, bool legacyNames) {
    if (!entry.starts_with(targetName)) return false;
    std::string_view rest = entry.substr(targetName.size());
    if (rest.starts_with(kTemporaryMark))
        rest.remove_prefix(kTemporaryMark.size());
    else if (legacyNames && rest.starts_with('.'))
        rest.remove_prefix(1);
    else
        return false;
    if (rest.size() != kRandomLength) return false;
    for (char c : rest)
        if (!std::isalnum(static_cast<unsigned char>(c))) return false;
    return true;
}

// Removes the file when no writer holds it and it has not changed for a while.
void RemoveIfAbandoned(const std::filesystem::path& file) {
    const int fd = ::open(file.c_str(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) return;
    struct stat opened {};
    struct stat named {};
    const bool abandoned = ::fstat(fd, &opened) == 0 && S_ISREG(opened.st_mode) &&
                           std::time(nullptr) - opened.st_mtime >= kStaleAfterSeconds && Lock(fd, LOCK_EX | LOCK_NB);
    // The name must still be the file that was checked.
    if (abandoned && ::lstat(file.c_str(), &named) == 0 && named.st_dev == opened.st_dev &&
        named.st_ino == opened.st_ino)
        ::unlink(file.c_str());
    ::close(fd);
}

}  // namespace

ReplaceTemporary::ReplaceTemporary(const std::filesystem::path& target) {
    fd_ = OpenUnnamed(FolderOf(target));
    if (fd_ < 0) {
        fd_ = OpenNamed(target, name_);
        named_ = fd_ >= 0;
    }
    if (fd_ >= 0 && !Lock(fd_, LOCK_EX)) {
        const int saved = errno;
        if (named_) ::unlink(name_.c_str());
        ::close(fd_);
        fd_ = -1;
        named_ = false;
        errno = saved;
    }
}

ReplaceTemporary::~ReplaceTemporary() {
    const int saved = errno;
    if (named_) ::unlink(name_.c_str());
    if (fd_ >= 0) ::close(fd_);  // releases the lock, after the rename
    errno = saved;
}

bool ReplaceTemporary::GiveName(const std::filesystem::path& target) {
    const std::string link = std::string(kOwnDescriptors) + "/" + std::to_string(fd_);
    for (int attempt = 0; attempt < kNameAttempts; ++attempt) {
        std::string candidate = CandidateName(target);
        if (::linkat(AT_FDCWD, link.c_str(), AT_FDCWD, candidate.c_str(), AT_SYMLINK_FOLLOW) == 0) {
            name_ = std::move(candidate);
            named_ = true;
            return true;
        }
        if (errno != EEXIST) return false;
    }
    return false;
}

bool ReplaceTemporary::RenameOver(const std::filesystem::path& target, bool replace) {
    if (fd_ < 0 || (!named_ && !GiveName(target))) return false;
    if (replace) {
        if (::rename(name_.c_str(), target.c_str()) != 0) return false;
    } else {
        // A second name that cannot exist already, then the temporary name goes.
        if (::link(name_.c_str(), target.c_str()) != 0) return false;
        ::unlink(name_.c_str());
    }
    named_ = false;
    SyncFolder(FolderOf(target));
    return true;
}

void RemoveStaleTemporaries(const std::filesystem::path& target, bool legacyNames) {
    const std::filesystem::path folder = FolderOf(target);
    const std::string targetName = target.filename().string();
    DIR* dir = ::opendir(folder.c_str());
    if (dir == nullptr) return;
    std::vector<std::filesystem::path> candidates;
    while (const dirent* entry = ::readdir(dir))
        if (IsTemporaryName(entry->d_name, targetName, legacyNames)) candidates.push_back(folder / entry->d_name);
    ::closedir(dir);
    for (const std::filesystem::path& candidate : candidates) RemoveIfAbandoned(candidate);
}

}  // namespace platform
