#include "platform/files.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

#include <filesystem>
#include <system_error>

#include "atomic_replace.h"
#include "environment.h"
#include "platform/paths.h"
#include "write_access.h"

namespace platform {
namespace {

constexpr const char* kDefaultTempFolder = "C:\\Temp\\";
constexpr mode_t kPermissionBits = 0777;

std::optional<struct stat> StatOf(const std::string& windowsPath) {
    struct stat info {};
    if (::stat(HostPath(windowsPath).c_str(), &info) != 0) return std::nullopt;
    return info;
}

// Closes the file and returns false, keeping the errno of the failure.
bool FailAfterClosing(int fd) {
    const int failure = errno;
    ::close(fd);
    errno = failure;
    return false;
}

}  // namespace

bool CopyFile(const std::string& from, const std::string& to, bool failIfExists) {
    const int source = ::open(HostPath(from).c_str(), O_RDONLY | O_CLOEXEC);
    if (source < 0) return false;
    struct stat info {};
    if (::fstat(source, &info) != 0) return FailAfterClosing(source);
    if (S_ISDIR(info.st_mode)) {
        errno = EISDIR;
        return FailAfterClosing(source);
    }
    const ReplaceOptions options{
        .legacyTemporaryNames = false, .keepExisting = failIfExists, .newFileMode = info.st_mode & kPermissionBits};
    PreparedReplacement prepared;
    if (!PrepareReplacement(
            HostPath(to), [source](int target) { return CopyAllBytes(source, target); }, options, prepared) ||
        !prepared.Commit())
        return FailAfterClosing(source);
    ::close(source);  // only read: its close changes nothing
    return true;
}

bool DeleteFile(const std::string& windowsPath) {
    const std::filesystem::path host = HostPath(windowsPath);
    std::error_code error;
    if (std::filesystem::is_directory(host, error)) {
        errno = EISDIR;
        return false;
    }
    if (IsReadOnlyFile(host)) return false;
    if (std::filesystem::remove(host, error)) return true;
    errno = error ? error.value() : ENOENT;
    return false;
}

ReplaceObstacle ObstacleToReplacing(const std::string& windowsPath) {
    const std::filesystem::path host = HostPath(windowsPath);
    struct stat info {};
    if (::stat(host.c_str(), &info) != 0) return ReplaceObstacle::None;
    if (S_ISDIR(info.st_mode)) return ReplaceObstacle::Folder;
    if (IsReadOnlyFile(host)) return ReplaceObstacle::ReadOnly;
    // The new file is renamed in beside the file a link names.
    std::error_code error;
    const std::filesystem::path file = std::filesystem::canonical(host, error);
    const std::filesystem::path folder = (error ? host : file).parent_path();
    if (::access(folder.empty() ? "." : folder.c_str(), W_OK | X_OK) != 0) return ReplaceObstacle::FolderReadOnly;
    return ReplaceObstacle::None;
}

bool CreateDirectory(const std::string& windowsPath) {
    const std::filesystem::path host = HostPath(windowsPath);
    std::error_code error;
    std::filesystem::create_directories(host, error);
    std::error_code ignored;
    if (std::filesystem::is_directory(host, ignored)) return true;
    errno = error ? error.value() : EEXIST;  // a file of that name
    return false;
}

std::string TempFolder() {
    std::string folder = EnvironmentValue("QUILLET_TEMP").value_or(kDefaultTempFolder);
    if (folder.back() != '\\' && folder.back() != '/') folder += '\\';
    CreateDirectory(folder);
    return folder;
}

bool ReadFileBytes(const std::string& windowsPath, std::string& bytes) {
    return ReadWholeFile(HostPath(windowsPath), bytes);
}

bool ReadHostFileBytes(const std::filesystem::path& hostPath, std::string& bytes) {
    return ReadWholeFile(hostPath, bytes);
}

bool ReplaceFileBytes(const std::string& windowsPath, std::string_view bytes) {
    return ReplaceFileAtomically(HostPath(windowsPath), bytes);
}

bool ReplaceHostFileBytes(const std::filesystem::path& hostPath, std::string_view bytes) {
    return ReplaceFileAtomically(hostPath, bytes);
}

bool AppendFileBytes(const std::string& windowsPath, std::string_view bytes) {
    const int fd = OpenForWriting(HostPath(windowsPath), O_WRONLY);
    if (fd < 0) return false;
    struct stat info {};
    if (::fstat(fd, &info) != 0) return FailAfterClosing(fd);
    if (::lseek(fd, 0, SEEK_END) == info.st_size && WriteAllBytes(fd, bytes) && ::fsync(fd) == 0)
        return ::close(fd) == 0;
    const int failure = errno;
    // Half a record is worse than none: the readers would take it for a whole one.
    if (::ftruncate(fd, info.st_size) == 0) ::fsync(fd);
    errno = failure;
    return FailAfterClosing(fd);
}

std::optional<uint64_t> FileSize(const std::string& windowsPath) {
    const auto info = StatOf(windowsPath);
    if (!info || S_ISDIR(info->st_mode)) return std::nullopt;
    return static_cast<uint64_t>(info->st_size);
}

std::optional<std::time_t> ModificationTime(const std::string& windowsPath) {
    const auto info = StatOf(windowsPath);
    if (!info) return std::nullopt;
    return info->st_mtime;
}

}  // namespace platform
