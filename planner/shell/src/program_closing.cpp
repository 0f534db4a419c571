#include "program_closing.h"

#include "platform/windows.h"

namespace trevalo {

void CloseStartedProgram(platform::Process& process) {
    if (process.Id() <= 0) return;
    if (process.IsRunning()) platform::PostMessageToProcessWindows(process.Id(), platform::WM_CLOSE, 0, 0);
    process = platform::Process();
}

}  // namespace trevalo
