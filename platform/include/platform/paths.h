// Windows paths as the suite writes them ("C:\Quillet\Airport.nav", "Map\*.tmp",
// "\Build.txt") mapped onto the host file system.
//
// Each drive letter X maps to the folder named by the environment variable
// QUILLET_DRIVE_X; without it, to $XDG_DATA_HOME/quillet/drive_x (or
// ~/.local/share/quillet/drive_x). A path that starts with a backslash is on drive C; one
// that starts with a forward slash is already a host path (so host folders, e.g. a
// QUILLET_TEMP folder, can be used wherever a Windows path is taken). A relative path is
// relative to the current folder. Backslashes (doubled ones too) and slashes both separate
// components; each component that exists on disk is matched without regard to case (the
// exact spelling wins, a folder is read only when it does not exist), the rest are kept
// as written so new files can be created.
#pragma once

#include <filesystem>
#include <string>

#include "platform/export.h"

namespace platform {

PLATFORM_API std::filesystem::path HostPath(const std::string& windowsPath);

// The host folder of a drive letter (created on first use).
PLATFORM_API std::filesystem::path DriveRoot(char driveLetter);

// Joins a folder and a name with exactly one backslash between them.
PLATFORM_API std::string JoinWindowsPath(const std::string& folder, const std::string& name);

// The folder part of a Windows path up to and including its last separator ("C:\Map\"
// for "C:\Map\*.tmp", "C:" for "C:x", empty for a bare name), and the name after it.
PLATFORM_API std::string WindowsFolderPart(const std::string& windowsPath);
PLATFORM_API std::string WindowsNamePart(const std::string& windowsPath);

}  // namespace platform
