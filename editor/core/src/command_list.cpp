#include "quillet/command_list.h"

#include <utility>

#include "platform/file_search.h"
#include "platform/files.h"
#include "platform/message_box.h"
#include "platform/paths.h"
#include "platform/text.h"
#include "platform/text_file.h"

namespace quillet {

std::string CommandField(std::string_view name) {
    std::string field;
    if (name.size() < kCommandNameWidth) field.assign(kCommandNameWidth - name.size(), ' ');
    field += name;
    return field;
}

std::string_view EntryName(std::string_view entry) { return entry.substr(0, kCommandNameWidth); }

std::string_view EntryType(std::string_view entry) {
    return entry.size() > kCommandNameWidth ? entry.substr(kCommandNameWidth) : std::string_view();
}

CommandList::CommandList(std::vector<std::string> entries) { SetEntries(std::move(entries)); }

bool CommandList::Load(const std::string& baseDirectory) {
    Close();
    if (platform::FindFiles(platform::JoinWindowsPath(baseDirectory, "*.*")).empty() &&
        !platform::CreateDirectory(baseDirectory)) {
        platform::MessageBox(kCommandFolderErrorMessage, {}, platform::MbIcon::Stop);
        return false;
    }
    path_ = platform::JoinWindowsPath(baseDirectory, kCommandFileName);
    if (!platform::FileExists(path_) && !platform::ReplaceFileBytes(path_, {})) return false;
    std::vector<std::string> entries;
    if (!platform::ReadLines(path_, entries)) return false;
    SetEntries(std::move(entries));
    return true;
}

void CommandList::Close() { SetEntries({}); }

bool CommandList::Save() { return Commit(entries_); }

bool CommandList::Commit(std::vector<std::string> entries) {
    if (path_.empty() || !platform::WriteLines(path_, entries)) return false;
    std::vector<std::string> reread;
    SetEntries(platform::ReadLines(path_, reread) ? std::move(reread) : std::move(entries));
    return true;
}

void CommandList::SetEntries(std::vector<std::string> entries) {
    entries_ = std::move(entries);
    names_.clear();
    for (const std::string& entry : entries_) {
        const std::string_view field = EntryName(entry);
        const std::size_t start = field.find_first_not_of(' ');
        if (start == std::string_view::npos) continue;
        const std::string_view name = field.substr(start);
        if (CommandField(name) == field) names_.emplace(name);
    }
}

std::string CommandList::GetCommand(std::size_t index) const {
    return index < entries_.size() ? entries_[index] : std::string();
}

int CommandList::FindCommand(std::string_view name) const {
    const std::string field = CommandField(name);
    for (std::size_t i = 0; i < entries_.size(); ++i)
        if (EntryName(entries_[i]) == field) return static_cast<int>(i);
    return -1;
}

std::string CommandList::LookupCommand(std::string_view word) const {
    const int index = FindCommand(platform::UpperCased(std::string(word)));
    return index < 0 ? std::string() : std::string(EntryName(entries_[static_cast<std::size_t>(index)]));
}

bool CommandList::IsUpperCaseCommand(std::string_view upperWord) const {
    return names_.find(upperWord) != names_.end();
}

AddCommandResult CommandList::AddCommand(std::string_view name) {
    if (name.empty()) return AddCommandResult::Failed;
    const std::string upper = platform::UpperCased(std::string(name));
    if (FindCommand(upper) >= 0) return AddCommandResult::Exists;
    std::vector<std::string> entries = entries_;
    entries.push_back(CommandField(upper));
    return Commit(std::move(entries)) ? AddCommandResult::Added : AddCommandResult::Failed;
}

DeleteCommandResult CommandList::DeleteCommand(std::string_view name) {
    const int index = name.empty() ? -1 : FindCommand(name);
    if (index < 0) return DeleteCommandResult::Failed;
    std::vector<std::string> entries = entries_;
    entries.erase(entries.begin() + index);
    const CommandList after(entries);
    if (after.FindCommand(name) >= 0 || !Commit(std::move(entries))) return DeleteCommandResult::Failed;
    return DeleteCommandResult::Deleted;
}

}  // namespace quillet
