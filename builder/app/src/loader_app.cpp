#include "gathrelapp/loader_app.h"

#include "gathrelapp/gathrel_sheet.h"
#include "platform/message_box.h"
#include "platform/settings_store.h"
#include "qtplatform/window_adapter.h"

namespace gathrelapp {

namespace {

const platform::Profile& Settings() {
    static const platform::Profile profile("Quillet Applications", "Quillet");
    return profile;
}

constexpr const char* kSection = "FILES";

}  // namespace

std::string CLoaderApp::BaseDirectory() {
    std::string folder = Settings().GetString(kSection, "Directory", "C:\\Quillet\\");
    while (!folder.empty() && folder.back() == '\\') folder.pop_back();
    return folder + '\\';
}

int CLoaderApp::Run() {
    platform::SetProgramTitle("Gathrel");
    CGathrelSheet sheet(BaseDirectory());
    // Reachable by the planner, whose WM_CLOSE closes it as its close box would.
    qtplatform::RegisterMainWindow(&sheet, kMainWindowClass);
    sheet.exec();
    Settings().WriteString(kSection, "Airport", sheet.Paths().airport);
    Settings().WriteString(kSection, "Navaids", sheet.Paths().navaids);
    return 0;
}

}  // namespace gathrelapp
