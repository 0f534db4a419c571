#include "generation/adventure_folder.h"

#include <cerrno>

#include "generation/default_files.h"
#include "platform/file_search.h"
#include "platform/files.h"
#include "platform/message_box.h"
#include "platform/text.h"

namespace trevalo {
namespace {

bool EndsWith(const std::string& text, std::string_view end) {
    return text.size() >= end.size() && text.compare(text.size() - end.size(), end.size(), end) == 0;
}

// Asks before an existing folder is emptied; a file of the folder's name cannot be one.
bool FolderMayBeUsed(const std::string& folder) {
    const std::optional<platform::FoundFile> found = platform::FindFile(folder.substr(0, folder.size() - 1));
    if (!found || !found->isFolder) return true;
    return platform::MessageBox(kReplaceFolderQuestion, {}, platform::MbIcon::Question, platform::MbButtons::YesNo) ==
           platform::MbResult::Yes;
}

// Only the plain files directly inside the folder go; the sources (".txt", compared as
// written) of an earlier build stay.
void RemoveEarlierBuild(const std::string& folder) {
    for (const platform::FoundFile& found : platform::FindFiles(folder + "*.*")) {
        if (found.isFolder || EndsWith(found.name, "txt")) continue;
        platform::DeleteFile(folder + found.name);
    }
}

void CopyDefaultFiles(const std::string& baseDirectory, const AdventureFiles& files) {
    platform::CopyFile(baseDirectory + kDefaultPicture, files.File(".bmp"), false);
    platform::CopyFile(baseDirectory + kDefaultFlight, files.File(".flt"), false);
    platform::CopyFile(baseDirectory + kDefaultBriefing, files.File(".brf"), false);
}

}  // namespace

std::string FolderNotMadeMessage(int errorNumber) {
    return platform::Format(
        "An unknown error, (%d), occured, you can try renaming the adventure,\nchecking if you have permission, "
        "(write), on this directory or\nif your disk is not full\n\n\tTrevalo cannot continue",
        errorNumber);
}

std::optional<AdventureFiles> MakeAdventureFolder(const std::string& baseDirectory, const std::string& title) {
    AdventureFiles files(baseDirectory, title);
    if (!FolderMayBeUsed(files.Folder())) return std::nullopt;
    errno = 0;
    if (!platform::CreateDirectory(files.Folder())) {
        platform::MessageBox(FolderNotMadeMessage(errno), {}, platform::MbIcon::Information);
        return std::nullopt;
    }
    RemoveEarlierBuild(files.Folder());
    CopyDefaultFiles(baseDirectory, files);
    return files;
}

}  // namespace trevalo
