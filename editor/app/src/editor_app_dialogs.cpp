// The application's dialogs and the commands that run them.
#include <QPageSetupDialog>
#include <QPrinter>

#include "about_dlg.h"
#include "cmd_editor_dlg.h"
#include "editor_app.h"
#include "editor_config_dlg.h"
#include "find_dlg.h"
#include "mail_hand_off.h"
#include "main_frame.h"
#include "periphery/tip_dlg.h"
#include "periphery/tips_file.h"
#include "platform/message_box.h"
#include "platform/text.h"
#include "quillet_doc.h"
#include "quillet_view.h"
#include "source_printing.h"
#include "workstation_bar.h"

namespace quillet {
namespace {

constexpr const char* kReloadQuestion = "Would you like to reload the current Document";

// defaultButton 1: Enter answers No.
bool AskedYes(const std::string& question, int defaultButton = 0) {
    return platform::MessageBox(question, {}, platform::MbIcon::Question, platform::MbButtons::YesNo, defaultButton) ==
           platform::MbResult::Yes;
}

}  // namespace

void CEditorApp::OnConfiguration() {
    CEditorConfigDlg dialog(*this, mainFrame_.get());
    dialog.exec();
}

void CEditorApp::OnCommands() {
    CCmdEditorDlg dialog(commands_, mainFrame_.get());
    dialog.exec();
    if (dialog.Changed() && currentView_ != nullptr && AskedYes(kReloadQuestion)) OnRefreshDocument();
}

// The file is read again, so a source changed on the disk is shown, and saved, as it now
// stands. A document whose text stays is coloured again with the command list as it is.
void CEditorApp::OnRefreshDocument() {
    if (currentView_ == nullptr) return;
    CQuilletView& view = *currentView_;
    CQuilletDoc& document = view.GetDocument();
    bool reload = true;
    if (document.GetPathName().empty())
        reload = AskedYes(kRefreshSaveQuestion) && DoSave(document, false) && !document.GetPathName().empty();
    else if (document.IsModified())
        reload = AskedYes(platform::Format(kRefreshDiscardQuestion, document.FileTitle().c_str()), 1);
    if (!reload) {
        view.Recolour();
        return;
    }
    if (!view.LoadDocumentFile()) {
        platform::MessageBox(kCannotOpenDocumentMessage, {}, platform::MbIcon::Information);
        return;
    }
    document.SetModifiedFlag(false);
}

void CEditorApp::OnFind() {
    if (currentView_ != nullptr)
        currentView_->OnFind();
    else
        findDialog_->Run({}, nullptr);
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
    request.printer = &Printer();
    qtplatform::Print(request, SourcePrintJob(currentView_->GetDocument().FileTitle(), std::move(lines)),
                      mainFrame_.get());
}

void CEditorApp::OnFilePrintSetup() {
    QPageSetupDialog dialog(&Printer(), mainFrame_.get());
    dialog.exec();
}

QPrinter& CEditorApp::Printer() {
    if (!printer_) printer_ = std::make_unique<QPrinter>(QPrinter::HighResolution);
    return *printer_;
}

std::string CEditorApp::TipsPath() const { return BaseDirectory() + trevalo::kTipsFileName; }

void CEditorApp::ShowTipAtStartup() {
    trevalo::CTipDlg dialog(TipsPath(), mainFrame_.get());
    if (dialog.ShowAtStartUp()) dialog.exec();
}

void CEditorApp::OnTipOfTheDay() {
    trevalo::CTipDlg dialog(TipsPath(), mainFrame_.get());
    dialog.exec();
}

void CEditorApp::OnAppAbout() {
    CAboutDlg dialog(mainFrame_.get());
    dialog.exec();
}

}  // namespace quillet
