#include "flt_text.h"

#include <cstddef>

namespace flitmark {
namespace {

bool Contains(const std::string& line, const std::string& text) { return line.find(text) != std::string::npos; }

// Splits text at each "\n"; a final "\n" ends the last line and starts no new one.
std::vector<std::string> SplitLines(const std::string& text) {
    std::vector<std::string> lines;
    size_t start = 0;
    while (start < text.size()) {
        const size_t end = text.find('\n', start);
        if (end == std::string::npos) {
            lines.push_back(text.substr(start));
            break;
        }
        lines.push_back(text.substr(start, end - start));
        start = end + 1;
    }
    return lines;
}

}  // namespace

bool SetFltValue(std::vector<std::string>& lines, const std::string& section, const std::string& key,
                 const std::string& value) {
    bool armed = false;
    for (size_t i = 0; i < lines.size(); ++i) {
        const std::string& line = lines[i];
        if (Contains(line, section) && Contains(line, "[")) armed = true;
        if (!armed || !Contains(line, key) || Contains(line, "[")) continue;
        // The replaced line ends in "\n" like every line, so a value ending in "\n"
        // leaves an empty line behind it.
        std::vector<std::string> replacement = SplitLines(key + "=" + value + "\n");
        lines.erase(lines.begin() + static_cast<ptrdiff_t>(i));
        lines.insert(lines.begin() + static_cast<ptrdiff_t>(i), replacement.begin(), replacement.end());
        return true;
    }
    return false;
}

}  // namespace flitmark
