// The application's dialogs and the commands that run them.
#include "about_dlg.h"
#include "cmd_editor_dlg.h"
#include "editor_app.h"
#include "editor_config_dlg.h"
#include "mail_hand_off.h"
#include "main_frame.h"
#include "platform/message_box.h"
#include "quillet_doc.h"
#include "quillet_view.h"
#include "source_printing.h"

namespace quillet {
namespace {

constexpr const char* kReloadQuestion = "Would you like to reload the current Document";

}  // namespace

void CEditorApp::OnConfiguration() {
    CEditorConfigDlg dialog(*this, mainFrame_.get());
    dialog.exec();
}

void CEditorApp::OnCommands() {
    CCmdEditorDlg dialog(commands_, mainFrame_.get());
    dialog.exec();
    if (!dialog.Changed() || currentView_ == nullptr) return;
    if (platform::MessageBox(kReloadQuestion, {}, platform::MbIcon::Question, platform::MbButtons::YesNo) ==
        platform::MbResult::Yes)
        OnRefreshDocument();
}

// The text is coloured again as it stands: nothing is read again, nothing is lost.
void CEditorApp::OnRefreshDocument() {
    if (currentView_ != nullptr) currentView_->Recolour();
}

void CEditorApp::OnFileSendMail() {
    if (!mail_) mail_ = std::make_unique<MailHandOff>();
    mail_->Send(currentDocument_);
}

void CEditorApp::OnFilePrint(qtplatform::PrintTarget target) {
    if (currentView_ == nullptr) return;
    std::vector<std::string> lines;
    for (int line = 0; line < currentView_->LineCount(); ++line) lines.push_back(currentView_->GetLineText(line));
    qtplatform::PrintRequest request;
    request.target = target;
    qtplatform::Print(request, SourcePrintJob(currentView_->GetDocument().FileTitle(), std::move(lines)),
                      mainFrame_.get());
}

void CEditorApp::OnAppAbout() {
    CAboutDlg dialog(mainFrame_.get());
    dialog.exec();
}

}  // namespace quillet
