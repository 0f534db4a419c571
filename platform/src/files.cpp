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
    const auto options =
        failIfExists ? std::filesystem::copy_options::none : std::filesystem::copy_options::overwrite_existing;
    std::error_code error;
    return std::filesystem::copy_file(HostPath(from), HostPath(to), options, error) && !error;
}

bool DeleteFile(const std::string& windowsPath) {
    const std::filesystem::path host = HostPath(windowsPath);
    std::error_code error;
    if (std::filesystem::is_directory(host, error)) return false;
    return std::filesystem::remove(host, error);
}

bool CreateDirectory(const std::string& windowsPath) {
    const std::filesystem::path host = HostPath(windowsPath);
    std::error_code error;
    std::filesystem::create_directories(host, error);
    return std::filesystem::is_directory(host, error);
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
