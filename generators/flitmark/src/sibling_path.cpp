#include "sibling_path.h"

#include "platform/paths.h"

namespace flitmark {

std::string SiblingPath(const std::string& adfPath, const std::string& extension) {
    std::string title = platform::WindowsNamePart(adfPath);
    if (const size_t dot = title.rfind('.'); dot != std::string::npos) title.erase(dot);
    return platform::JoinWindowsPath(platform::WindowsFolderPart(adfPath), title + extension);
}

}  // namespace flitmark
