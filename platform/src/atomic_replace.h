// Replacing a file's content so that a reader sees the old file or the new one, never
// half of it: write a temporary file beside it, fsync, rename over the target.
//
// A symbolic link is followed: the file it names is replaced and the link stays. The new
// file keeps the old one's mode and owner (a new file gets 0666 less the umask). A
// read-only target is not replaced. The temporary files that killed writers left beside
// the target are removed on the way (see replace_temporary.h).
#pragma once

#include <sys/types.h>

#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <string_view>

#include "replace_temporary.h"

namespace platform {

// A new content written and synced to a temporary beside its target, not yet renamed
// over it; dropped unrenamed, it leaves nothing behind.
struct PreparedReplacement {
    std::filesystem::path target;  // links followed
    std::unique_ptr<ReplaceTemporary> temporary;
    bool keepExisting = false;

    bool Commit() { return temporary->RenameOver(target, !keepExisting); }
};

// Writes the new content into the temporary; false with errno on failure.
using ContentWriter = std::function<bool(int fd)>;

struct ReplaceOptions {
    bool legacyTemporaryNames = false;
    // A target that exists is left alone and the replacement fails (EEXIST).
    bool keepExisting = false;
    // The mode of a target made new; none: 0666 less the umask.
    std::optional<mode_t> newFileMode;
};

// On failure the old file is as it was and errno tells why.
bool PrepareReplacement(const std::filesystem::path& target, const ContentWriter& write, const ReplaceOptions& options,
                        PreparedReplacement& prepared);
bool PrepareReplacement(const std::filesystem::path& target, std::string_view bytes, bool legacyTemporaryNames,
                        PreparedReplacement& prepared);

// On failure the old file is as it was and errno tells why.
bool ReplaceFileAtomically(const std::filesystem::path& target, std::string_view bytes,
                           bool legacyTemporaryNames = false);

// The whole content of a host file; false when it cannot be read (errno tells why).
bool ReadWholeFile(const std::filesystem::path& path, std::string& bytes);

}  // namespace platform
