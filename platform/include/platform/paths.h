// Windows paths as the suite writes them ("C:\Quillet\Airport.nav", "Map\*.tmp",
// "\Build.txt") mapped onto the host file system.
//
// Each drive letter X maps to the folder named by the environment variable
// QUILLET_DRIVE_X; without it, to $XDG_DATA_HOME/quillet/drive_x (or
// ~/.local/share/quillet/drive_x). A path that starts with a backslash is on drive C. One
// that starts with a forward slash is a host path when it lies inside one of the folders
// the platform maps (a drive's folder, or a QUILLET_TEMP host folder), so tests and the
// temporary folder can name host files wherever a Windows path is taken; any other such
// path is on drive C, as a leading backslash. A relative path is relative to the current
// folder. Backslashes (doubled ones too) and slashes both separate components; "."
// is dropped and ".." takes back the component before it, never climbing above the
// drive's folder (or the mapped folder, or the current folder): resolving a path never
// leaves the folder it starts from. Each component that exists on disk is matched
// without regard to case (the exact spelling wins, a folder is read only when it does not
// exist), the rest are kept as written so new files can be created.
#pragma once

#include <filesystem>
#include <optional>
#include <string>

#include "platform/export.h"

namespace platform {

PLATFORM_API std::filesystem::path HostPath(const std::string& windowsPath);

// The host folder of a drive letter (created on first use).
PLATFORM_API std::filesystem::path DriveRoot(char driveLetter);

// The Windows path of a host file or folder inside a drive's folder ("C:\Quillet\DuzE.exe"),
// as a user's choice in a host file dialog must be stored; nullopt outside every drive.
PLATFORM_API std::optional<std::string> WindowsPathOf(const std::filesystem::path& hostPath);

// Joins a folder and a name with exactly one backslash between them.
PLATFORM_API std::string JoinWindowsPath(const std::string& folder, const std::string& name);

// The folder part of a Windows path up to and including its last separator ("C:\Map\"
// for "C:\Map\*.tmp", "C:" for "C:x", empty for a bare name), and the name after it.
PLATFORM_API std::string WindowsFolderPart(const std::string& windowsPath);
PLATFORM_API std::string WindowsNamePart(const std::string& windowsPath);

}  // namespace platform
