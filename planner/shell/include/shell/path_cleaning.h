// Cleaning of the stored file paths at program start-up, and the base directory rule: the
// base directory always ends in exactly one backslash, and file names are appended to it.
#pragma once

#include <string>

#include "shell/settings.h"

namespace trevalo {

// Every run of backslashes becomes a single one.
std::string CollapseDoubleBackslashes(std::string path);

// Appends a backslash when the path does not end in one.
std::string WithFinalBackslash(std::string path);

// Drops every final backslash and appends exactly one.
std::string WithOneFinalBackslash(std::string path);

// Planner start-up: collapses the doubled backslashes of Directory, Adventure Build,
// Airport and Navaids, gives Directory its final backslash, and writes all four back.
void NormaliseFilePaths(const Settings& settings);

// Builder start-up: the stored Directory with exactly one final backslash. The store is
// left as it is.
std::string BuilderBaseDirectory(const Settings& settings);

}  // namespace trevalo
