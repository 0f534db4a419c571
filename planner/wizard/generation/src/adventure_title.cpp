#include "generation/adventure_title.h"

#include <algorithm>
#include <array>
#include <string_view>

#include "platform/text.h"

namespace trevalo {
namespace {

constexpr const char* kFolderNameIntro = "The title cannot be used as the name of the adventure's folder:\n";
constexpr const char* kFolderNameOutro = "\nThe folder and the situation are named after the title.\n";

constexpr std::string_view kForbiddenCharacters = "\\/:*?\"<>|";
// Folders of the base directory that the suite itself uses.
constexpr std::array<std::string_view, 3> kSuiteFolders = {"wav", "sidstar", "map"};
constexpr std::array<std::string_view, 4> kDeviceNames = {"con", "prn", "aux", "nul"};
constexpr std::array<std::string_view, 2> kNumberedDeviceNames = {"com", "lpt"};

bool HoldsForbiddenCharacter(const std::string& title) {
    return std::any_of(title.begin(), title.end(), [](char c) {
        return kForbiddenCharacters.find(c) != std::string_view::npos || static_cast<unsigned char>(c) < 0x20;
    });
}

bool EndsInBlankOrDot(const std::string& title) { return title.back() == ' ' || title.back() == '.'; }

// Windows keeps these names for devices, with any extension.
bool IsDeviceName(const std::string& title) {
    const std::string stem = platform::LowerCased(title.substr(0, title.find('.')));
    if (std::find(kDeviceNames.begin(), kDeviceNames.end(), stem) != kDeviceNames.end()) return true;
    return stem.size() == 4 && stem[3] >= '1' && stem[3] <= '9' &&
           std::find(kNumberedDeviceNames.begin(), kNumberedDeviceNames.end(), stem.substr(0, 3)) !=
               kNumberedDeviceNames.end();
}

bool IsSuiteFolder(const std::string& title) {
    const std::string lowered = platform::LowerCased(title);
    return std::find(kSuiteFolders.begin(), kSuiteFolders.end(), lowered) != kSuiteFolders.end();
}

struct TitleRule {
    bool (*breaks)(const std::string& title);
    const char* reason;
};

constexpr TitleRule kFolderNameRules[] = {
    {HoldsForbiddenCharacter, "it may not hold any of the characters \\ / : * ? \" < > | or a control character."},
    {EndsInBlankOrDot, "it may not end with a blank or a dot (\".\" and \"..\" name folders that exist)."},
    {IsDeviceName, "it may not be a name kept for a device: CON, PRN, AUX, NUL, COM1 to COM9 or LPT1 to LPT9."},
    {IsSuiteFolder, "\"Wav\", \"SidStar\" and \"Map\" are folders of the suite's own files."},
};

}  // namespace

std::optional<std::string> TitleRefusal(const std::string& title) {
    if (title.empty()) return kTitleMissingMessage;
    if (title.size() > static_cast<size_t>(kMaxTitleLength)) return kTitleTooLongMessage;
    for (const TitleRule& rule : kFolderNameRules) {
        if (rule.breaks(title)) return std::string(kFolderNameIntro) + rule.reason + kFolderNameOutro;
    }
    return std::nullopt;
}

}  // namespace trevalo
