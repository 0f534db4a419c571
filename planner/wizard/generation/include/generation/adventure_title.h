// The rules an adventure's title keeps: it names the adventure's folder in the base
// directory and its files, so it must be a name of its own there.
#pragma once

#include <optional>
#include <string>

namespace trevalo {

inline constexpr int kMaxTitleLength = 27;

inline constexpr const char* kTitleMissingMessage = "You must enter the Title of your adventure\n(60 chars Max)";
inline constexpr const char* kTitleTooLongMessage =
    "The title cannot be more than 27 characters\nThe situation name is taken from the title.\n"
    "Use the editor if you wish to lengthen the title\n";

// The message that names the rule the title breaks; none for a title that can be used.
std::optional<std::string> TitleRefusal(const std::string& title);

}  // namespace trevalo
