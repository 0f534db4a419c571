#include "gathrel/scenery_files.h"

#include <cctype>
#include <cstdlib>
#include <deque>
#include <filesystem>
#include <unordered_set>

#include "platform/file_search.h"
#include "platform/paths.h"

namespace gathrel {

namespace {

constexpr const char* kEveryEntry = "*.*";
constexpr const char* kSceneryPattern = "*.bgl";

std::string WithoutFinalBackslash(std::string folder) {
    while (folder.size() > 1 && folder.back() == '\\') folder.pop_back();
    return folder;
}

bool IsLink(const std::string& windowsPath) {
    std::error_code error;
    return std::filesystem::is_symlink(std::filesystem::symlink_status(platform::HostPath(windowsPath), error));
}

}  // namespace

std::vector<SceneryFile> FindSceneryFiles(const std::string& sceneryFolder,
                                          const std::vector<std::string>& driveRoots) {
    const std::string scanFolder = WithoutFinalBackslash(sceneryFolder);
    std::deque<std::string> queue;
    std::unordered_set<std::string> queued;
    auto enqueue = [&](const std::string& folder, bool atFront) {
        if (!queued.insert(folder).second) return;
        atFront ? queue.push_front(folder) : queue.push_back(folder);
    };
    if (!scanFolder.empty()) enqueue(scanFolder, false);
    for (const std::string& root : driveRoots) enqueue(WithoutFinalBackslash(root), false);

    std::vector<SceneryFile> files;
    std::unordered_set<std::string> namesRead;
    while (!queue.empty()) {
        const std::string folder = queue.front();
        queue.pop_front();
        // A folder inside the simulator's tree goes right after this one, so that tree is
        // walked depth first; others wait at the end.
        for (const platform::FoundFile& entry : platform::FindFiles(platform::JoinWindowsPath(folder, kEveryEntry))) {
            if (!entry.isFolder) continue;
            const std::string path = platform::JoinWindowsPath(folder, entry.name);
            if (queued.count(path) != 0 || IsLink(path)) continue;
            enqueue(path, !scanFolder.empty() && path.find(scanFolder) != std::string::npos);
        }
        for (const platform::FoundFile& entry :
             platform::FindFiles(platform::JoinWindowsPath(folder, kSceneryPattern))) {
            if (entry.isFolder || !namesRead.insert(entry.name).second) continue;
            const std::string path = platform::JoinWindowsPath(folder, entry.name);
            if (IsLink(path)) continue;
            files.push_back({path, entry.size});
        }
    }
    return files;
}

std::vector<std::string> CdRomDriveRoots() {
    std::vector<std::string> roots;
    const char* letters = std::getenv("QUILLET_CDROM_DRIVES");
    for (const char* c = letters; c != nullptr && *c != '\0'; ++c) {
        if (std::isalpha(static_cast<unsigned char>(*c))) {
            roots.push_back(std::string(1, static_cast<char>(std::toupper(static_cast<unsigned char>(*c)))) + ":");
        }
    }
    return roots;
}

}  // namespace gathrel
