#include "platform/companion_program.h"

#include "platform/file_search.h"
#include "platform/message_box.h"
#include "platform/paths.h"
#include "platform/windows.h"

namespace platform {

bool StartOrBringToFront(Process& process, const std::string& programPath, const std::string& missingMessage) {
    if (process.IsRunning()) {
        BringProcessWindowsToFront(process.Id());
        return true;
    }
    if (!ResolveProgram(programPath)) {
        MessageBox(missingMessage, {}, MbIcon::Stop);
        return false;
    }
    std::string folder = WindowsFolderPart(programPath);
    if (!FindFile(folder)) folder.clear();
    if (process.Start(programPath, {}, folder)) return true;
    MessageBox(kStartFailedMessage, kStartFailedCaption, MbIcon::Information);
    return false;
}

}  // namespace platform
