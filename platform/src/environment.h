// Environment variables and the user's standard folders.
#pragma once

#include <filesystem>
#include <optional>
#include <string>

namespace platform {

// The variable's value; nullopt when it is unset or empty.
std::optional<std::string> EnvironmentValue(const std::string& name);

// $<xdgVariable>/quillet, else ~/<homeFallback>/quillet (e.g. ".config").
std::filesystem::path UserFolder(const char* xdgVariable, const char* homeFallback);

}  // namespace platform
