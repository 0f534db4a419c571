// The temporary file that an atomic replace writes beside its target.
//
// It is created without a name where the file system allows it (O_TMPFILE), so a writer
// that dies leaves nothing behind; it gets the name "<target name>.~XXXXXX" only once its
// content is complete, just before it is renamed over the target. Where an unnamed file
// cannot be made it is named from the start. Either way its writer holds an exclusive
// lock on it for as long as it lives, which tells a live writer's file from a dead one's.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace platform {

class ReplaceTemporary {
public:
    // Creates the file in the target's folder with mode 0666 less the umask; see ok().
    explicit ReplaceTemporary(const std::filesystem::path& target);
    // Removes a named file that was not renamed over the target.
    ~ReplaceTemporary();
    ReplaceTemporary(const ReplaceTemporary&) = delete;
    ReplaceTemporary& operator=(const ReplaceTemporary&) = delete;

    bool ok() const { return fd_ >= 0; }
    int fd() const { return fd_; }
    // Names the file if it has no name yet and renames it over the target; with replace
    // false an existing target is kept and the rename fails (EEXIST). On failure errno
    // tells why.
    bool RenameOver(const std::filesystem::path& target, bool replace = true);

private:
    bool GiveName(const std::filesystem::path& target);

    int fd_ = -1;
    bool named_ = false;
    std::string name_;  // the full path once named
};

// Removes the temporary files that dead writers left beside the target: files named
// "<target name>.~XXXXXX" that no writer holds locked and that were not touched for a
// while. With legacyNames, also "<target name>.XXXXXX" (the names of older versions),
// for folders that hold only the suite's own files.
void RemoveStaleTemporaries(const std::filesystem::path& target, bool legacyNames = false);

}  // namespace platform
