#include "platform/file_set.h"

#include "atomic_replace.h"
#include "platform/paths.h"

namespace platform {

bool ReplaceFilesTogether(const std::vector<FileReplacement>& files, std::size_t* failedIndex) {
    auto fail = [&](std::size_t index) {
        if (failedIndex != nullptr) *failedIndex = index;
        return false;
    };
    std::vector<PreparedReplacement> prepared(files.size());
    for (std::size_t i = 0; i < files.size(); ++i) {
        if (!PrepareReplacement(HostPath(files[i].windowsPath), files[i].bytes, false, prepared[i])) return fail(i);
    }
    for (std::size_t i = 0; i < prepared.size(); ++i) {
        if (!prepared[i].Commit()) return fail(i);
    }
    return true;
}

}  // namespace platform
