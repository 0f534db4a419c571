// The folder step of Create adventure: the adventure's folder, named after its title in
// the base directory, made new or (once the user agrees) emptied of every file but its
// sources (".txt"), and the default picture, flight and briefing files copied in. Before
// anything is deleted, every file that the road would replace or delete is checked.
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace trevalo {

inline constexpr const char* kReplaceFolderQuestion = "The directory already exist would you like to replace it";

// The files of one adventure: <base>\<title>\<title>.<extension>.
class AdventureFiles {
public:
    AdventureFiles(const std::string& baseDirectory, const std::string& title)
        : folder_(baseDirectory + title + "\\"), title_(title) {}

    const std::string& Folder() const { return folder_; }  // with its final backslash
    const std::string& Title() const { return title_; }
    std::string File(const char* extension) const { return folder_ + title_ + extension; }
    // The names of every file that Create adventure makes in the folder.
    std::vector<std::string> MadeNames() const;

private:
    std::string folder_;
    std::string title_;
};

// The unknown-error message for the system error number of a failed folder.
std::string FolderNotMadeMessage(int errorNumber);
// A file, not a folder, has the adventure folder's name.
std::string FileInTheWayMessage(const std::string& folder);
// The first file that cannot be replaced or deleted, and why.
std::string FileNotReplaceableMessage(const std::string& path, const std::string& reason);

struct AdventureFolder {
    AdventureFiles files;
    std::vector<std::string> failedCopies;  // default files not copied, "<file> to <folder> (<why>)"
};

// Makes or replaces the adventure's folder for a title that keeps the title rules
// (adventure_title.h), then copies the default files. alsoReplaced names the files
// outside the folder that the road will replace later (the install step's copies):
// when any file cannot be replaced, nothing is touched. None when the user keeps the
// existing folder or it cannot be made or used (its message shown).
std::optional<AdventureFolder> MakeAdventureFolder(const AdventureFiles& files, const std::string& baseDirectory,
                                                   const std::vector<std::string>& alsoReplaced);

}  // namespace trevalo
