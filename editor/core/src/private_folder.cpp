#include "quillet/private_folder.h"

#include <stdlib.h>

#include <filesystem>
#include <system_error>

#include "platform/files.h"
#include "platform/paths.h"

namespace quillet {

PrivateFolder::PrivateFolder(std::string_view prefix) {
    const std::string temp = platform::TempFolder();
    std::string pattern = (platform::HostPath(temp) / (std::string(prefix) + "XXXXXX")).string();
    if (::mkdtemp(pattern.data()) == nullptr) return;
    path_ = temp + std::filesystem::path(pattern).filename().string() + "\\";
}

PrivateFolder::~PrivateFolder() {
    if (path_.empty()) return;
    std::error_code ignored;
    std::filesystem::remove_all(platform::HostPath(path_), ignored);
}

}  // namespace quillet
