// The command list CmdFile.cmd in the base directory: the words of the adventure language
// that the editor colours as commands. One entry per line: the name right-aligned in a
// field of 30 characters ("%30s"), then at times more text, shown as the entry's type.
// Names compare with an entry's first 30 characters exactly; they are stored in upper
// case, and the colouring looks words up in upper case.
//
// The file is read whole and replaced whole (a temporary beside it renamed over it); an
// add or a delete that cannot be written leaves both the list and the file as they were.
#pragma once

#include <cstddef>
#include <set>
#include <string>
#include <string_view>
#include <vector>

namespace quillet {

inline constexpr const char* kCommandFileName = "CmdFile.cmd";
inline constexpr std::size_t kCommandNameWidth = 30;
inline constexpr const char* kCommandFolderErrorMessage =
    "An error has occured while opening files\nPlease consult your documentation to solve it";

enum class AddCommandResult { Added = 1, Exists = 2, Failed = 3 };
enum class DeleteCommandResult { Deleted = 1, Failed = 3 };

// The name as an entry's field: right-aligned in 30 characters (a longer name whole).
std::string CommandField(std::string_view name);
// An entry's name field (its first 30 characters) and its type (the rest).
std::string_view EntryName(std::string_view entry);
std::string_view EntryType(std::string_view entry);

class CommandList {
public:
    CommandList() = default;
    // A list held in memory only (Save fails).
    explicit CommandList(std::vector<std::string> entries);

    // Reads base directory + CmdFile.cmd, creating the folder (its failure shown in a
    // message box) and an empty file when missing. False when the file cannot be read.
    bool Load(const std::string& baseDirectory);
    // Forgets the entries.
    void Close();
    // Writes every entry and reads the file again; false when it cannot be written, and
    // then the entries stay as they were.
    bool Save();

    const std::vector<std::string>& Entries() const { return entries_; }
    const std::string& Path() const { return path_; }
    // The entry, or an empty text past the end.
    std::string GetCommand(std::size_t index) const;
    // The index of the first entry whose name field is the name's; -1 when none is.
    int FindCommand(std::string_view name) const;
    // The name field of the entry found for the word in upper case; empty when none is.
    std::string LookupCommand(std::string_view word) const;
    // The word (already in upper case) names an entry: the colouring's quick test.
    bool IsUpperCaseCommand(std::string_view upperWord) const;

    // Stores the name in upper case and saves the list.
    AddCommandResult AddCommand(std::string_view name);
    // Removes the first entry found for the name and saves the list; Failed, changing
    // nothing, when the name is empty or not found, is still found afterwards, or the
    // list cannot be saved.
    DeleteCommandResult DeleteCommand(std::string_view name);

private:
    void SetEntries(std::vector<std::string> entries);
    // Saves the new entries, or keeps the old ones when they cannot be written.
    bool Commit(std::vector<std::string> entries);

    std::string path_;
    std::vector<std::string> entries_;
    std::set<std::string, std::less<>> names_;  // the names of the fields that "%30s" makes
};

}  // namespace quillet
