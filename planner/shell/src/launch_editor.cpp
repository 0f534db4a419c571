// The Extra menu's "Launch Adventure Editor": the source editor, started once and brought
// to the front when asked for again; the frame closes it when it goes.
#include "platform/companion_program.h"
#include "shell/main_frame.h"
#include "shell/settings.h"

namespace trevalo {

void CMainFrame::OnLaunchEditor() {
    platform::StartOrBringToFront(editor_, Settings().ReadString(SettingId::Editor), kEditorMissingMessage);
}

}  // namespace trevalo
