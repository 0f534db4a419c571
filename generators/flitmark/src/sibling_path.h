// Files named after the definition's title in its folder.
#pragma once

#include <string>

namespace flitmark {

// The definition's folder + "\" + its title (name without extension) + extension.
std::string SiblingPath(const std::string& adfPath, const std::string& extension);

}  // namespace flitmark
