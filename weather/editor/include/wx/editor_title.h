// The main window's title: the open weather file's path, a long one shortened.
#pragma once

#include <string>

namespace wx {

// "Weather Editor [No file selected]" for an empty path, else "Weather Editor [path]";
// a path longer than 33 characters shows its first 10, "..." and its last 20.
std::string WeatherEditorTitle(const std::string& path);

}  // namespace wx
