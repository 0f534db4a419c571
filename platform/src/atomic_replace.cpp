#include "atomic_replace.h"

#include <fcntl.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdint>
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

// Asks for the pages of a large buffer about to be written all at once, in one call rather
// than one fault per page; a kernel without the request leaves them to the faults.
void PrepareForWriting(char* data, size_t size) {
    constexpr size_t kWorthAsking = size_t{1} << 20;
    if (size < kWorthAsking) return;
    const auto page = static_cast<uintptr_t>(::sysconf(_SC_PAGESIZE));
    const uintptr_t first = (reinterpret_cast<uintptr_t>(data) + page - 1) & ~(page - 1);
    const uintptr_t last = (reinterpret_cast<uintptr_t>(data) + size) & ~(page - 1);
#ifdef MADV_POPULATE_WRITE
    if (last > first) ::madvise(reinterpret_cast<void*>(first), last - first, MADV_POPULATE_WRITE);
#endif
}

}  // namespace

bool PrepareReplacement(const std::filesystem::path& path, const ContentWriter& write, const ReplaceOptions& options,
                        PreparedReplacement& prepared) {
    const std::optional<std::filesystem::path> target = FollowLinks(path);
    if (!target) return false;
    struct stat old {};
    const bool exists = ::stat(target->c_str(), &old) == 0;
    if (!exists && errno != ENOENT) return false;
    if (exists && options.keepExisting) {
        errno = EEXIST;
        return false;
    }
    if (exists && IsReadOnlyFile(*target)) return false;
    if (exists && S_ISDIR(old.st_mode)) {
        errno = EISDIR;
        return false;
    }
    RemoveStaleTemporaries(*target, options.legacyTemporaryNames);
    auto temporary = std::make_unique<ReplaceTemporary>(*target);
    if (!temporary->ok()) return false;
    const bool modeKept = exists ? KeepModeAndOwner(temporary->fd(), old)
                                 : !options.newFileMode || ::fchmod(temporary->fd(), *options.newFileMode) == 0;
    if (!write(temporary->fd()) || !modeKept || ::fsync(temporary->fd()) != 0) return false;
    prepared.target = *target;
    prepared.temporary = std::move(temporary);
    prepared.keepExisting = options.keepExisting;
    return true;
}

bool PrepareReplacement(const std::filesystem::path& path, std::string_view bytes, bool legacyTemporaryNames,
                        PreparedReplacement& prepared) {
    return PrepareReplacement(
        path, [bytes](int fd) { return WriteAllBytes(fd, bytes); },
        {.legacyTemporaryNames = legacyTemporaryNames, .keepExisting = false, .newFileMode = std::nullopt}, prepared);
}

bool ReplaceFileAtomically(const std::filesystem::path& path, std::string_view bytes, bool legacyTemporaryNames) {
    PreparedReplacement prepared;
    return PrepareReplacement(path, bytes, legacyTemporaryNames, prepared) && prepared.Commit();
}

bool ReadWholeFile(const std::filesystem::path& path, std::string& bytes) {
    constexpr size_t kChunk = 65536;
    bytes.clear();
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) return false;
    // Read straight into the string, sized once from the file's size and a byte more, so
    // that the read that meets the end needs no room; a file that grows meanwhile (or
    // tells no size) is read on in chunks. Memory the string holds already has been
    // written before and needs no faulting in.
    struct stat info {};
    const size_t expected = ::fstat(fd, &info) == 0 && info.st_size > 0 ? static_cast<size_t>(info.st_size) : 0;
    const bool freshMemory = bytes.capacity() < expected + 1;
    bytes.reserve(expected + 1);
    if (freshMemory) PrepareForWriting(bytes.data(), bytes.capacity());
    bytes.resize(expected + 1);
    size_t have = 0;
    bool ok = true;
    int failure = 0;
    for (;;) {
        if (have == bytes.size()) bytes.resize(have + kChunk);
        const ssize_t got = ::read(fd, bytes.data() + have, bytes.size() - have);
        if (got < 0 && errno == EINTR) continue;
        if (got < 0) {
            ok = false;
            failure = errno;
        }
        if (got <= 0) break;
        have += static_cast<size_t>(got);
    }
    bytes.resize(have);
    ::close(fd);
    if (!ok) errno = failure;
    return ok;
}

}  // namespace platform
