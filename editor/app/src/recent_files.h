// The recent-file list: the last ten files opened or saved, newest first, kept in the
// settings as Recent File List/File1 to File10.
#pragma once

#include <string>
#include <vector>

#include "platform/settings_store.h"

namespace quillet {

inline constexpr const char* kRecentFileSection = "Recent File List";

class RecentFiles {
public:
    RecentFiles();

    // Reads the list from the settings.
    void Load();
    const std::vector<std::string>& Paths() const { return paths_; }
    // The path to the top (once), the oldest dropped past ten; written at once.
    void Add(const std::string& path);
    void Remove(const std::string& path);

private:
    void Write() const;

    platform::Profile profile_;
    std::vector<std::string> paths_;
};

}  // namespace quillet
