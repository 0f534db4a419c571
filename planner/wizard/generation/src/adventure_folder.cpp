#include "generation/adventure_folder.h"

#include <cerrno>

#include "generation/default_files.h"
#include "generation/file_problem.h"
#include "platform/file_search.h"
#include "platform/files.h"
#include "platform/message_box.h"
#include "platform/text.h"

namespace trevalo {
namespace {

// Every file Create adventure makes in the adventure's folder.
constexpr const char* kMadeExtensions[] = {".adf", ".bmp", ".flt", ".brf", ".txt", ".pln", ".wx", ".adv"};

bool EndsWith(const std::string& text, std::string_view end) {
    return text.size() >= end.size() && text.compare(text.size() - end.size(), end.size(), end) == 0;
}

// The plain files directly inside the folder that an earlier build left; the sources
// (".txt", compared as written) stay.
std::vector<std::string> EarlierBuild(const std::string& folder) {
    std::vector<std::string> names;
    for (const platform::FoundFile& found : platform::FindFiles(folder + "*.*"))
        if (!found.isFolder && !EndsWith(found.name, "txt")) names.push_back(found.name);
    return names;
}

// Asks before an existing folder is emptied; a file of the folder's name is in the way.
bool FolderMayBeUsed(const std::string& folder) {
    const std::string path = folder.substr(0, folder.size() - 1);
    const std::optional<platform::FoundFile> found = platform::FindFile(path);
    if (!found) return true;
    if (!found->isFolder) {
        platform::MessageBox(FileInTheWayMessage(path), {}, platform::MbIcon::Stop);
        return false;
    }
    return platform::MessageBox(kReplaceFolderQuestion, {}, platform::MbIcon::Question, platform::MbButtons::YesNo) ==
           platform::MbResult::Yes;
}

// Checks each file that the road will delete or replace; false after naming the first
// that cannot be.
bool EveryFileReplaceable(const AdventureFiles& files, const std::vector<std::string>& earlierBuild,
                          const std::vector<std::string>& alsoReplaced) {
    std::vector<std::string> paths;
    for (const std::string& name : earlierBuild) paths.push_back(files.Folder() + name);
    for (const std::string& name : files.MadeNames()) paths.push_back(files.Folder() + name);
    paths.insert(paths.end(), alsoReplaced.begin(), alsoReplaced.end());
    for (const std::string& path : paths) {
        const platform::ReplaceObstacle obstacle = platform::ObstacleToReplacing(path);
        if (obstacle == platform::ReplaceObstacle::None) continue;
        platform::MessageBox(FileNotReplaceableMessage(path, ObstacleText(obstacle)), {}, platform::MbIcon::Stop);
        return false;
    }
    return true;
}

std::vector<std::string> CopyDefaultFiles(const std::string& baseDirectory, const AdventureFiles& files) {
    const std::pair<const char*, const char*> copies[] = {
        {kDefaultPicture, ".bmp"}, {kDefaultFlight, ".flt"}, {kDefaultBriefing, ".brf"}};
    std::vector<std::string> failed;
    for (const auto& [from, extension] : copies) {
        if (!platform::CopyFile(baseDirectory + from, files.File(extension), false))
            failed.push_back(std::string(from) + " to " + files.File(extension) + " (" + WriteFailureText(errno) + ")");
    }
    return failed;
}

}  // namespace

std::vector<std::string> AdventureFiles::MadeNames() const {
    std::vector<std::string> names;
    for (const char* extension : kMadeExtensions) names.push_back(title_ + extension);
    return names;
}

std::string FolderNotMadeMessage(int errorNumber) {
    return platform::Format(
        "An unknown error, (%d), occured, you can try renaming the adventure,\nchecking if you have permission, "
        "(write), on this directory or\nif your disk is not full\n\n\tTrevalo cannot continue",
        errorNumber);
}

std::string FileInTheWayMessage(const std::string& folder) {
    return "The adventure's folder cannot be made: a file of that name is in the way\n(" + folder +
           ")\nMove or rename that file, or give the adventure another title.";
}

std::string FileNotReplaceableMessage(const std::string& path, const std::string& reason) {
    return "The adventure cannot be created: a file it replaces cannot be written\n(" + path +
           ")\nThe reason: " + reason + ".\nNo file was changed.";
}

std::optional<AdventureFolder> MakeAdventureFolder(const AdventureFiles& files, const std::string& baseDirectory,
                                                   const std::vector<std::string>& alsoReplaced) {
    if (!FolderMayBeUsed(files.Folder())) return std::nullopt;
    const std::vector<std::string> earlierBuild = EarlierBuild(files.Folder());
    if (!EveryFileReplaceable(files, earlierBuild, alsoReplaced)) return std::nullopt;
    errno = 0;
    if (!platform::CreateDirectory(files.Folder())) {
        platform::MessageBox(FolderNotMadeMessage(errno), {}, platform::MbIcon::Information);
        return std::nullopt;
    }
    for (const std::string& name : earlierBuild) platform::DeleteFile(files.Folder() + name);
    return AdventureFolder{files, CopyDefaultFiles(baseDirectory, files)};
}

}  // namespace trevalo
