#include "wx/editor_title.h"

namespace wx {

std::string WeatherEditorTitle(const std::string& path) {
    constexpr size_t kLongestShown = 33;
    constexpr size_t kHead = 10;
    constexpr size_t kTail = 20;
    if (path.empty()) return "Weather Editor [No file selected]";
    const std::string shown =
        path.size() > kLongestShown ? path.substr(0, kHead) + "..." + path.substr(path.size() - kTail) : path;
    return "Weather Editor [" + shown + "]";
}

}  // namespace wx
