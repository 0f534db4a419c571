#include "source_path.h"

namespace textorin {

std::string ReplaceFileExtension(const std::string& path, const std::string& oldExtension,
                                 const std::string& newExtension) {
    if (oldExtension == newExtension || path.empty() || !path.ends_with(oldExtension)) return path;
    return path.substr(0, path.size() - oldExtension.size()) + newExtension;
}

}  // namespace textorin
