#include "generation/install_step.h"

#include <cerrno>

#include "generation/file_problem.h"
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

constexpr std::initializer_list<const char*> kNotMoved = {"txt", "adf"};
constexpr std::initializer_list<const char*> kNotInFlights = {"txt", "adf", "bmp"};

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

// The names whose lower-case forms end in none of the extensions.
std::vector<std::string> NamesWithout(const std::vector<std::string>& names,
                                      std::initializer_list<const char*> extensions) {
    std::vector<std::string> kept;
    for (const std::string& name : names) {
        const std::string lowered = platform::LowerCased(name);
        bool excluded = false;
        for (const char* extension : extensions) excluded = excluded || EndsWith(lowered, extension);
        if (!excluded) kept.push_back(name);
    }
    return kept;
}

std::vector<std::string> PlainFiles(const std::string& pattern) {
    std::vector<std::string> names;
    for (const platform::FoundFile& found : platform::FindFiles(pattern))
        if (!found.isFolder) names.push_back(found.name);
    return names;
}

std::vector<std::string> SoundNames(const std::string& baseDirectory) {
    return PlainFiles(baseDirectory + kSoundPattern);
}

// Copies each file of the folder into the destination, made when missing.
void CopyInto(const std::string& fromFolder, const std::vector<std::string>& names, const std::string& destination,
              std::vector<std::string>& failed) {
    if (names.empty()) return;
    const bool made = platform::CreateDirectory(destination);
    const int folderFailure = errno;
    for (const std::string& name : names) {
        if (!made) {
            failed.push_back(name + " to " + destination + " (" + WriteFailureText(folderFailure) + ")");
        } else if (!platform::CopyFile(platform::JoinWindowsPath(fromFolder, name),
                                       platform::JoinWindowsPath(destination, name), false)) {
            failed.push_back(name + " to " + destination + " (" + WriteFailureText(errno) + ")");
        }
    }
}

void AddTargets(const std::string& folder, const std::vector<std::string>& names, std::vector<std::string>& targets) {
    if (folder.empty()) return;
    for (const std::string& name : names) targets.push_back(platform::JoinWindowsPath(folder, name));
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

std::optional<InstallPlaces> FindInstallPlaces(const std::string& adfPath, BoundFunction<LoadRegFunction>& loadReg) {
    if (loadReg.Get() == nullptr) return std::nullopt;
    const Settings settings;
    InstallPlaces places;
    places.category = InstallCategory(settings.ReadString(SettingId::MoveToDir));
    places.adventureFolder = WithoutFinalSeparator(platform::WindowsFolderPart(adfPath));
    const std::string fs2000 = InstallFolder(loadReg, kFs2000);
    // Without FS2000 the adventure is not moved, whatever AutoMove says.
    places.move = settings.IsSwitchOn(SettingId::AutoMove) && !fs2000.empty();
    const std::string root = places.move ? WithoutFinalSeparator(fs2000) : places.adventureFolder;
    if (settings.IsSwitchOn(SettingId::AutoMoveSound))
        places.soundCopies = platform::JoinWindowsPath(root, places.move ? "Adv\\Wav" : "Wav");
    if (places.move) places.fs2000Copies = platform::JoinWindowsPath(root, "Adv\\" + places.category);
    places.compile = settings.IsSwitchOn(SettingId::AutoCreateAdv);
    if (settings.IsSwitchOn(SettingId::AutoMoveFs2k2)) {
        const std::string fs2002 = InstallFolder(loadReg, kFs2002);
        const std::string name = settings.ReadString(SettingId::Fs2k2MoveTo);
        if (!fs2002.empty() && !name.empty()) {
            places.fs2002Copies = platform::JoinWindowsPath(fs2002, "flights\\" + name);
            places.fs2002NameRefused = !IsFlightsFolderName(name);
        }
    }
    return places;
}

std::vector<std::string> InstallTargets(const InstallPlaces& places, const std::string& baseDirectory,
                                        const std::vector<std::string>& adventureFileNames) {
    std::vector<std::string> targets;
    AddTargets(places.soundCopies, SoundNames(baseDirectory), targets);
    AddTargets(places.fs2000Copies, NamesWithout(adventureFileNames, kNotMoved), targets);
    if (!places.fs2002NameRefused)
        AddTargets(places.fs2002Copies, NamesWithout(adventureFileNames, kNotInFlights), targets);
    return targets;
}

std::optional<std::vector<std::string>> InstallAdventure(const InstallRequest& request, const InstallPlaces& places) {
    if (!platform::FileExists(request.adfPath)) {
        platform::MessageBox(kInstallInternalErrorMessage, {}, platform::MbIcon::Information);
        return std::nullopt;
    }
    if (!places.move) {
        platform::CreateDirectory(platform::JoinWindowsPath(places.adventureFolder, places.category));
        platform::CreateDirectory(platform::JoinWindowsPath(places.adventureFolder, "Wav"));
    }

    std::vector<std::string> failed;
    if (!places.soundCopies.empty())
        CopyInto(request.baseDirectory + "Wav", SoundNames(request.baseDirectory), places.soundCopies, failed);
    if (places.compile) {
        const std::string source = request.adfPath.substr(0, request.adfPath.size() - 3) + "txt";
        if (!request.compile(source)) {
            platform::MessageBox(kCompileFailedMessage, {}, platform::MbIcon::Information);
            return std::nullopt;
        }
    }
    const std::string adventurePattern = platform::JoinWindowsPath(places.adventureFolder, "*.*");
    if (places.move) {
        if (!AdventureStillThere(request.adfPath)) return std::nullopt;
        CopyInto(places.adventureFolder, NamesWithout(PlainFiles(adventurePattern), kNotMoved), places.fs2000Copies,
                 failed);
    }
    if (!places.fs2002Copies.empty()) {
        if (!AdventureStillThere(request.adfPath)) return std::nullopt;
        if (places.fs2002NameRefused)
            failed.push_back("the adventure's files to " + places.fs2002Copies + " (no folder of FS2002's flights)");
        else
            CopyInto(places.adventureFolder, NamesWithout(PlainFiles(adventurePattern), kNotInFlights),
                     places.fs2002Copies, failed);
    }
    return failed;
}

}  // namespace trevalo
