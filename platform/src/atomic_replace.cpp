#include "atomic_replace.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <optional>
#include <string>

#include "replace_temporary.h"
#include "write_access.h"

namespace platform {
namespace {

constexpr int kMaxLinkHops = 40;
constexpr mode_t kPermissionBits = 07777;

// The file that the path names once every symbolic link on its last part is followed;
// it need not exist (a dangling link names the file to create).
std::optional<std::filesystem::path> FollowLinks(std::filesystem::path path) {
    for (int hop = 0; hop < kMaxLinkHops; ++hop) {
        std::error_code error;
        if (!std::filesystem::is_symlink(std::filesystem::symlink_status(path, error))) return path;
        const std::filesystem::path link = std::filesystem::read_symlink(path, error);
        if (error) return std::nullopt;
        path = link.is_absolute() ? link : path.parent_path() / link;
    }
    errno = ELOOP;
    return std::nullopt;
}

// The old file's mode and owner on the new one. An owner that cannot be kept (only a
// privileged writer may give a file away) leaves the writer's.
bool KeepModeAndOwner(int fd, const struct stat& old) {
    if ((old.st_uid != ::geteuid() || old.st_gid != ::getegid()) && ::fchown(fd, old.st_uid, old.st_gid) != 0 &&
        errno != EPERM)
        return false;
    return ::fchmod(fd, old.st_mode & kPermissionBits) == 0;
}

}  // namespace

bool PrepareReplacement(const std::filesystem::path& path, std::string_view bytes, bool legacyTemporaryNames,
                        PreparedReplacement& prepared) {
    const std::optional<std::filesystem::path> target = FollowLinks(path);
    if (!target) return false;
    struct stat old {};
    const bool exists = ::stat(target->c_str(), &old) == 0;
    if (!exists && errno != ENOENT) return false;
    if (exists && IsReadOnlyFile(*target)) return false;
    if (exists && S_ISDIR(old.st_mode)) {
        errno = EISDIR;
        return false;
    }
    RemoveStaleTemporaries(*target, legacyTemporaryNames);
    auto temporary = std::make_unique<ReplaceTemporary>(*target);
    if (!temporary->ok()) return false;
    if (!WriteAllBytes(temporary->fd(), bytes) || (exists && !KeepModeAndOwner(temporary->fd(), old)) ||
        ::fsync(temporary->fd()) != 0)
        return false;
    prepared.target = *target;
    prepared.temporary = std::move(temporary);
    return true;
}

bool ReplaceFileAtomically(const std::filesystem::path& path, std::string_view bytes, bool legacyTemporaryNames) {
    PreparedReplacement prepared;
    return PrepareReplacement(path, bytes, legacyTemporaryNames, prepared) && prepared.Commit();
}

bool ReadWholeFile(const std::filesystem::path& path, std::string& bytes) {
    bytes.clear();
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) return false;
    char buffer[65536];
    bool ok = true;
    int failure = 0;
    for (;;) {
        const ssize_t got = ::read(fd, buffer, sizeof buffer);
        if (got < 0 && errno == EINTR) continue;
        if (got < 0) {
            ok = false;
            failure = errno;
        }
        if (got <= 0) break;
        bytes.append(buffer, static_cast<size_t>(got));
    }
    ::close(fd);
    if (!ok) errno = failure;
    return ok;
}

}  // namespace platform
