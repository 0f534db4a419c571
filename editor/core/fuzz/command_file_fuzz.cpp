// Any bytes as CmdFile.cmd: loaded, every entry looked up by its name field, a command
// added and the first entry deleted. What is saved reads back as the list holds it.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "fuzz_drive.h"
#include "quillet/command_list.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    fuzz::WriteDriveFile("Quillet/CmdFile.cmd", std::string_view(reinterpret_cast<const char*>(data), size));
    quillet::CommandList list;
    if (!list.Load("C:\\Quillet\\")) std::abort();
    const auto& entries = list.Entries();
    for (std::size_t i = 0; i < entries.size(); ++i) {
        // Only a whole field of 30 characters is a name that "%30s" gives.
        if (entries[i].size() < quillet::kCommandNameWidth) continue;
        const int found = list.FindCommand(quillet::EntryName(entries[i]));
        if (found < 0 || static_cast<std::size_t>(found) > i) std::abort();
    }
    if (list.AddCommand("FUZZCOMMAND") == quillet::AddCommandResult::Failed) std::abort();
    if (!entries.empty()) list.DeleteCommand(std::string(quillet::EntryName(entries.front())));
    quillet::CommandList reread;
    if (!reread.Load("C:\\Quillet\\") || reread.Entries() != list.Entries()) std::abort();
    return 0;
}
