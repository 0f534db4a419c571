#include "wxapp/wx_app.h"

#include "platform/files.h"
#include "platform/message_box.h"
#include "qtplatform/window_adapter.h"
#include "wx/command_line.h"
#include "wx/rules_location.h"
#include "wxapp/wx_dlg.h"

namespace wxapp {

int CWxApp::Run(std::span<const std::string> arguments) {
    platform::SetProgramTitle("Wx");
    rulesPath_ = wx::RulesFilePath();
    if (!platform::FileSize(rulesPath_).has_value())
        platform::MessageBox(
            "The 'rul' file could not be located.\nPlease ensure that it is located in your base directory\n( default "
            "C:\\Quillet\\)",
            {}, platform::MbIcon::Information);
    CWxDlg dialog(rulesPath_, wx::WeatherFileFromArguments(arguments));
    // Reachable by the planner, whose WM_CLOSE closes it as its close box would; Wx runs
    // without it when the window cannot be registered.
    qtplatform::RegisterMainWindow(&dialog, kMainWindowClass);
    dialog.exec();
    return 0;
}

}  // namespace wxapp
