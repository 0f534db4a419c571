#include "shell/path_cleaning.h"

#include <algorithm>

namespace trevalo {

namespace {
constexpr char kBackslash = '\\';

// The settings cleaned at planner start-up, in the order they are written back.
constexpr SettingId kCleanedPaths[] = {SettingId::Directory, SettingId::AdventureBuild, SettingId::Airport,
                                       SettingId::Navaids};
}  // namespace

std::string CollapseDoubleBackslashes(std::string path) {
    const auto end =
        std::unique(path.begin(), path.end(), [](char a, char b) { return a == kBackslash && b == kBackslash; });
    path.erase(end, path.end());
    return path;
}

std::string WithFinalBackslash(std::string path) {
    if (path.empty() || path.back() != kBackslash) path += kBackslash;
    return path;
}

std::string WithOneFinalBackslash(std::string path) {
    while (!path.empty() && path.back() == kBackslash) path.pop_back();
    return path + kBackslash;
}

void NormaliseFilePaths(const Settings& settings) {
    for (SettingId id : kCleanedPaths) {
        std::string value = CollapseDoubleBackslashes(settings.ReadString(id));
        if (id == SettingId::Directory) value = WithFinalBackslash(value);
        settings.WriteString(id, value);
    }
}

std::string BuilderBaseDirectory(const Settings& settings) {
    return WithOneFinalBackslash(settings.ReadString(SettingId::Directory));
}

}  // namespace trevalo
