#include "generation/file_problem.h"

#include <cerrno>

#include "platform/text.h"

namespace trevalo {

std::string ObstacleText(platform::ReplaceObstacle obstacle) {
    switch (obstacle) {
        case platform::ReplaceObstacle::ReadOnly:
            return "it is read-only";
        case platform::ReplaceObstacle::Folder:
            return "it is a folder, not a file";
        case platform::ReplaceObstacle::FolderReadOnly:
            return "its folder cannot be written";
        case platform::ReplaceObstacle::None:
            break;
    }
    return {};
}

std::string WriteFailureText(int errorNumber) {
    switch (errorNumber) {
        case EACCES:
        case EPERM:
            return "no write access";
        case EISDIR:
            return "a folder has its name";
        case ENOSPC:
        case EDQUOT:
        case EFBIG:
            return "the disk is full";
        case EROFS:
            return "the disk is read-only";
        case ENOENT:
        case ENOTDIR:
            return "not found";
        default:
            return platform::Format("system error %d", errorNumber);
    }
}

}  // namespace trevalo
