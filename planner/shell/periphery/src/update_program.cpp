#include "periphery/update_program.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <memory>

#include "platform/companion_program.h"
#include "platform/file_search.h"
#include "platform/message_box.h"
#include "platform/paths.h"
#include "platform/process.h"
#include "qtplatform/feedback.h"
#include "shell/settings.h"

namespace trevalo {
namespace {

// Waits for the process, painting meanwhile; false when the user stopped waiting.
bool WaitPainting(platform::Process& process, bool waitCursor, const UpdateWait& wait) {
    QElapsedTimer sinceAsked;
    sinceAsked.start();
    for (;;) {
        std::unique_ptr<qtplatform::WaitCursor> cursor;
        if (waitCursor) cursor = std::make_unique<qtplatform::WaitCursor>();
        while (sinceAsked.elapsed() < wait.askAfterMs) {
            if (process.Wait(wait.pollMs)) return true;
            // Painting and timers only: a click now would start a second command.
            QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
        }
        cursor.reset();
        if (platform::MessageBox(kStopWaitingQuestion, {}, platform::MbIcon::Question, platform::MbButtons::YesNo, 1) ==
            platform::MbResult::Yes)
            return false;
        sinceAsked.restart();
    }
}

}  // namespace

bool RunUpdateProgram(const std::string& arguments, bool waitCursor, const UpdateWait& wait) {
    const std::string program = Settings().ReadString(SettingId::Ftp);
    if (!platform::ResolveProgram(program)) {
        platform::MessageBox(kFtpMissingMessage, {}, platform::MbIcon::Information);
        return false;
    }
    std::string folder = platform::WindowsFolderPart(program);
    if (!platform::FindFile(folder)) folder.clear();
    // A program still running when this goes is reaped in the background, not ended.
    platform::Process process;
    if (!process.Start(program, arguments, folder, platform::ShowMode::Hidden)) {
        platform::MessageBox(platform::kStartFailedMessage, platform::kStartFailedCaption,
                             platform::MbIcon::Information);
        return false;
    }
    return WaitPainting(process, waitCursor, wait);
}

}  // namespace trevalo
