#include "generation/install_step.h"

#include "platform/file_search.h"
#include "platform/files.h"
#include "platform/message_box.h"
#include "platform/numbers.h"
#include "platform/paths.h"
#include "platform/text.h"
#include "shell/settings.h"

namespace trevalo {
namespace {

constexpr int kFs2000 = 7;
constexpr int kFs2002 = 8;
constexpr int kFolderBufferSize = 261;
constexpr const char* kSoundPattern = "Wav\\Adv????.wav";

struct Places {
    std::string adventureFolder;  // the definition's folder, no final backslash
    std::string root;             // the FS2000 folder when moving, else the adventure's folder
    bool move = false;            // into FS2000's adventure folders
};

std::string InstallFolder(BoundFunction<LoadRegFunction>& loadReg, int version) {
    char folder[kFolderBufferSize] = {};
    return loadReg.Get()(folder, version) != 0 ? std::string(folder) : std::string();
}

std::string WithoutFinalSeparator(std::string folder) {
    while (!folder.empty() && (folder.back() == '\\' || folder.back() == '/')) folder.pop_back();
    return folder;
}

bool EndsWith(const std::string& text, const char* end) {
    const std::string suffix(end);
    return text.size() >= suffix.size() && text.compare(text.size() - suffix.size(), suffix.size(), suffix) == 0;
}

// The adventure's plain files whose lower-case names end in none of the extensions.
std::vector<std::string> AdventureFiles(const std::string& folder, std::initializer_list<const char*> kept) {
    std::vector<std::string> names;
    for (const platform::FoundFile& found : platform::FindFiles(platform::JoinWindowsPath(folder, "*.*"))) {
        if (found.isFolder) continue;
        const std::string lowered = platform::LowerCased(found.name);
        bool keep = false;
        for (const char* extension : kept) keep = keep || EndsWith(lowered, extension);
        if (!keep) names.push_back(found.name);
    }
    return names;
}

// Copies each file of the folder into the destination, made when missing.
void CopyInto(const std::string& fromFolder, const std::vector<std::string>& names, const std::string& destination,
              std::vector<std::string>& failed) {
    if (names.empty()) return;
    const bool made = platform::CreateDirectory(destination);
    for (const std::string& name : names) {
        if (!made || !platform::CopyFile(platform::JoinWindowsPath(fromFolder, name),
                                         platform::JoinWindowsPath(destination, name), false))
            failed.push_back(name + " to " + destination);
    }
}

// A name the configuration could have listed: one folder directly under "flights".
bool IsFlightsFolderName(const std::string& name) {
    return !name.empty() && name != "." && name != ".." && name.find_first_of("\\/:*?\"<>|") == std::string::npos;
}

bool AdventureStillThere(const std::string& adfPath) {
    if (platform::FileExists(adfPath)) return true;
    platform::MessageBox(kInstallAdventureMissingMessage, kInstallAdventureMissingCaption,
                         platform::MbIcon::Information);
    return false;
}

}  // namespace

std::string InstallCategory(const std::string& moveToDir) {
    const int index = platform::LeadingInt(moveToDir);
    const int last = static_cast<int>(kMoveToDirCategories.size()) - 1;
    return std::string(kMoveToDirCategories[static_cast<size_t>(index >= 0 && index < last ? index : last)].substr(1));
}

std::optional<std::vector<std::string>> InstallAdventure(const InstallRequest& request,
                                                         BoundFunction<LoadRegFunction>& loadReg) {
    if (loadReg.Get() == nullptr) return std::nullopt;
    const Settings settings;
    const std::string category = InstallCategory(settings.ReadString(SettingId::MoveToDir));
    const std::string fs2000 = InstallFolder(loadReg, kFs2000);
    if (!platform::FileExists(request.adfPath)) {
        platform::MessageBox(kInstallInternalErrorMessage, {}, platform::MbIcon::Information);
        return std::nullopt;
    }
    Places places;
    places.adventureFolder = WithoutFinalSeparator(platform::WindowsFolderPart(request.adfPath));
    // Without FS2000 the adventure is not moved, whatever AutoMove says.
    places.move = settings.IsSwitchOn(SettingId::AutoMove) && !fs2000.empty();
    places.root = places.move ? WithoutFinalSeparator(fs2000) : places.adventureFolder;
    if (!places.move) {
        platform::CreateDirectory(platform::JoinWindowsPath(places.root, category));
        platform::CreateDirectory(platform::JoinWindowsPath(places.root, "Wav"));
    }

    std::vector<std::string> failed;
    if (settings.IsSwitchOn(SettingId::AutoMoveSound)) {
        std::vector<std::string> sounds;
        for (const platform::FoundFile& found : platform::FindFiles(request.baseDirectory + kSoundPattern))
            if (!found.isFolder) sounds.push_back(found.name);
        CopyInto(request.baseDirectory + "Wav", sounds,
                 platform::JoinWindowsPath(places.root, places.move ? "Adv\\Wav" : "Wav"), failed);
    }
    if (settings.IsSwitchOn(SettingId::AutoCreateAdv)) {
        const std::string source = request.adfPath.substr(0, request.adfPath.size() - 3) + "txt";
        if (!request.compile(source)) {
            platform::MessageBox(kCompileFailedMessage, {}, platform::MbIcon::Information);
            return std::nullopt;
        }
    }
    if (places.move) {
        if (!AdventureStillThere(request.adfPath)) return std::nullopt;
        CopyInto(places.adventureFolder, AdventureFiles(places.adventureFolder, {"txt", "adf"}),
                 platform::JoinWindowsPath(places.root, "Adv\\" + category), failed);
    }
    if (settings.IsSwitchOn(SettingId::AutoMoveFs2k2)) {
        if (!AdventureStillThere(request.adfPath)) return std::nullopt;
        const std::string fs2002 = InstallFolder(loadReg, kFs2002);
        const std::string name = settings.ReadString(SettingId::Fs2k2MoveTo);
        if (!fs2002.empty() && !name.empty()) {
            const std::string destination = platform::JoinWindowsPath(fs2002, "flights\\" + name);
            if (IsFlightsFolderName(name))
                CopyInto(places.adventureFolder, AdventureFiles(places.adventureFolder, {"txt", "adf", "bmp"}),
                         destination, failed);
            else
                failed.push_back("the adventure's files to " + destination + " (no folder of FS2002's flights)");
        }
    }
    return failed;
}

}  // namespace trevalo
