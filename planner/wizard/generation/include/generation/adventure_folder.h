// The folder step of Create adventure: the adventure's folder, named after its title in
// the base directory, made new or (once the user agrees) emptied of every file but its
// sources (".txt"), and the default picture, flight and briefing files copied in.
#pragma once

#include <optional>
#include <string>

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

private:
    std::string folder_;
    std::string title_;
};

// The unknown-error message for the system error number of a failed folder.
std::string FolderNotMadeMessage(int errorNumber);

// Makes or replaces the adventure's folder for a title that keeps the title rules
// (adventure_title.h), then copies the default files. None when the user keeps the
// existing folder or it cannot be made (its message shown).
std::optional<AdventureFiles> MakeAdventureFolder(const std::string& baseDirectory, const std::string& title);

}  // namespace trevalo
