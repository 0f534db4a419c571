// The scenery files (*.bgl) a scan reads: the simulator's folder tree first, walked
// depth first, then each CD-ROM drive. A file name met twice (compared exactly, without
// its folder) is read once, where it was met first. Links to folders are not followed,
// so a link back up the tree cannot make the walk go round.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace gathrel {

struct SceneryFile {
    std::string path;  // Windows path
    std::uint64_t size = 0;
};

// sceneryFolder: the simulator's folder (empty when none was found), with or without
// its final backslash; driveRoots: roots such as "D:" of the CD-ROM drives.
std::vector<SceneryFile> FindSceneryFiles(const std::string& sceneryFolder, const std::vector<std::string>& driveRoots);

// The roots of the drives that stand in for CD-ROM drives: the letters of
// QUILLET_CDROM_DRIVES ("DE" for D: and E:), each as "D:".
std::vector<std::string> CdRomDriveRoots();

}  // namespace gathrel
