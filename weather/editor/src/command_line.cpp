#include "wx/command_line.h"

#include <string_view>

namespace wx {

std::string WeatherFileFromArguments(std::span<const std::string> arguments) {
    constexpr std::string_view kFilePrefix = "l:";
    for (const std::string& argument : arguments)
        if (argument.starts_with(kFilePrefix)) return argument.substr(kFilePrefix.size());
    return {};
}

}  // namespace wx
