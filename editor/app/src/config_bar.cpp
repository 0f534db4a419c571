#include "config_bar.h"

#include "build_bar.h"
#include "command_ids.h"
#include "editor_app.h"
#include "editor_commands.h"
#include "main_frame.h"
#include "platform/companion_program.h"
#include "platform/file_search.h"
#include "platform/message_box.h"
#include "platform/text.h"
#include "qtplatform/command_table.h"
#include "qtplatform/feedback.h"
#include "quillet/adventure_build.h"
#include "quillet_doc.h"
#include "shell/settings.h"

namespace quillet {

CConfigBar::CConfigBar(CMainFrame& frame, CEditorApp& app)
    : QToolBar(QStringLiteral("Config Bar"), &frame), frame_(frame), app_(app) {
    setObjectName(QStringLiteral("configBar"));
    setToolButtonStyle(Qt::ToolButtonTextOnly);
}

bool CConfigBar::Create() {
    if (!qtplatform::AddToolbarButtons(*this, frame_, ConfigBarButtons())) return false;
    for (int id : {kCmdCompile, kCmdCompileMenu}) qtplatform::BindCommand(&frame_, id, [this] { OnCompile(); });
    qtplatform::BindCommand(&frame_, kCmdLaunchWizard, [this] { OnLaunchWizard(); });
    return true;
}

bool CConfigBar::SaveForBuild() {
    CQuilletDoc& document = *app_.CurrentDocument();
    if (!document.GetPathName().empty()) return true;
    // An untitled document takes the first Build<n>.txt of the base directory that no file has.
    const std::string path = FreeBuildSourcePath(app_.BaseDirectory());
    if (document.OnSaveDocument(path, false)) {
        app_.AddRecentFile(path);
        return true;
    }
    platform::MessageBox(kBuildSaveFailedMessage, {}, platform::MbIcon::Stop);
    return false;
}

void CConfigBar::OnCompile() {
    const std::string compiler = trevalo::Settings().ReadString(trevalo::SettingId::AdventureBuild);
    CQuilletDoc* document = app_.CurrentDocument();
    if (document == nullptr || !SaveForBuild()) return;
    const std::string path = document->GetPathName();
    if (!platform::FileExists(path)) {
        platform::MessageBox(kBuildSourceMissingMessage, {}, platform::MbIcon::Stop);
        return;
    }
    if (!platform::ResolveProgram(compiler)) {
        platform::MessageBox(kBuildCompilerMissingMessage, {}, platform::MbIcon::Stop);
        return;
    }
    if (!document->OnSaveDocument(path)) return;
    const qtplatform::WaitCursor wait;
    const BuildOutcome outcome = BuildAdventure(compiler, path, document->FileTitle());
    switch (outcome.failure) {
        case BuildFailure::NoWorkCopy:
            platform::MessageBox(kBuildSourceMissingMessage, {}, platform::MbIcon::Stop);
            return;
        case BuildFailure::CompilerNotStarted:
            platform::MessageBox(kBuildCompilerMissingMessage, {}, platform::MbIcon::Stop);
            return;
        case BuildFailure::CompilerDidNotRun:
            platform::MessageBox(platform::Format(kBuildCompilerDidNotRunMessage, compiler.c_str()), {},
                                 platform::MbIcon::Stop);
            return;
        case BuildFailure::None:
            break;
    }
    frame_.BuildBar().ShowList(outcome.listing.lines, path);
    frame_.SetErrorIndex(0);
}

void CConfigBar::OnLaunchWizard() {
    platform::StartOrBringToFront(planner_, trevalo::Settings().ReadString(trevalo::SettingId::MapWizard),
                                  kWizardMissingMessage);
}

}  // namespace quillet
