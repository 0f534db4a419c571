#include "environment.h"

#include <cstdlib>

namespace platform {

std::optional<std::string> EnvironmentValue(const std::string& name) {
    const char* value = std::getenv(name.c_str());
    if (value == nullptr || *value == '\0') return std::nullopt;
    return std::string(value);
}

std::filesystem::path UserFolder(const char* xdgVariable, const char* homeFallback) {
    if (auto xdg = EnvironmentValue(xdgVariable)) return std::filesystem::path(*xdg) / "quillet";
    const std::filesystem::path home = EnvironmentValue("HOME").value_or("/tmp");
    return home / homeFallback / "quillet";
}

}  // namespace platform
