#include "recent_files.h"

#include <algorithm>

#include "command_ids.h"
#include "platform/text.h"
#include "shell/settings.h"

namespace quillet {
namespace {

std::string EntryName(int index) { return platform::Format("File%d", index + 1); }

bool SamePath(const std::string& a, const std::string& b) { return platform::LowerCased(a) == platform::LowerCased(b); }

}  // namespace

RecentFiles::RecentFiles() : profile_(trevalo::kSettingsCompany, trevalo::kSettingsProfile) {}

void RecentFiles::Load() {
    paths_.clear();
    for (int i = 0; i < kRecentFileCount; ++i) {
        std::string path = profile_.GetString(kRecentFileSection, EntryName(i), {});
        if (!path.empty()) paths_.push_back(std::move(path));
    }
}

void RecentFiles::Add(const std::string& path) {
    Remove(path);
    paths_.insert(paths_.begin(), path);
    if (paths_.size() > static_cast<std::size_t>(kRecentFileCount)) paths_.resize(kRecentFileCount);
    Write();
}

void RecentFiles::Remove(const std::string& path) {
    const auto same = [&](const std::string& kept) { return SamePath(kept, path); };
    const auto end = std::remove_if(paths_.begin(), paths_.end(), same);
    if (end == paths_.end()) return;
    paths_.erase(end, paths_.end());
    Write();
}

void RecentFiles::Write() const {
    for (int i = 0; i < kRecentFileCount; ++i)
        profile_.WriteString(kRecentFileSection, EntryName(i),
                             static_cast<std::size_t>(i) < paths_.size() ? paths_[static_cast<std::size_t>(i)] : "");
}

}  // namespace quillet
