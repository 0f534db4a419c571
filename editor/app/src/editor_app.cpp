#include "editor_app.h"

#include <QMdiArea>
#include <QPrinter>
#include <filesystem>

#include "child_frame.h"
#include "find_dlg.h"
#include "mail_hand_off.h"
#include "main_frame.h"
#include "platform/file_search.h"
#include "platform/message_box.h"
#include "platform/paths.h"
#include "platform/text.h"
#include "qtplatform/command_table.h"
#include "qtplatform/file_chooser.h"
#include "qtplatform/window_adapter.h"
#include "quillet_doc.h"
#include "quillet_view.h"
#include "shell/path_cleaning.h"
#include "shell/settings.h"
#include "source_edit.h"
#include "workstation_bar.h"

namespace quillet {
namespace {

// The class other programs of the suite find the editor's main window by.
constexpr const char* kMainWindowClass = "QuilletMainFrame";

bool SamePath(const std::string& a, const std::string& b) { return platform::LowerCased(a) == platform::LowerCased(b); }

bool IsFile(const std::string& path) {
    const auto found = platform::FindFile(path);
    return found && !found->isFolder;
}

bool IsFolder(const std::string& path) {
    std::error_code error;
    return std::filesystem::is_directory(platform::HostPath(path), error);
}

}  // namespace

CEditorApp::CEditorApp() = default;

// The frames and their views go before the documents they show.
CEditorApp::~CEditorApp() {
    findDialog_.reset();
    mainFrame_.reset();
}

std::string CEditorApp::BaseDirectory() const {
    return trevalo::WithFinalBackslash(trevalo::Settings().ReadString(trevalo::SettingId::Directory));
}

bool CEditorApp::InitInstance(const QStringList& arguments) {
    platform::SetProgramTitle(kEditorTitle);
    recent_.Load();
    if (!CreateMainFrame()) return false;
    mainFrame_->showMaximized();
    qtplatform::RegisterMainWindow(mainFrame_.get(), kMainWindowClass);
    LoadCommandList();
    if (!arguments.isEmpty()) {
        const std::string path = arguments.front().toStdString();
        if (IsFile(path)) {
            lastFolder_ = platform::WindowsFolderPart(path);
            OpenDocumentFile(path);
        }
    }
    // The bars show the states of a document opened from the command line at once.
    qtplatform::UpdateCommandUI(mainFrame_.get());
    ShowTipAtStartup();
    return true;
}

bool CEditorApp::CreateMainFrame() {
    mainFrame_ = std::make_unique<CMainFrame>(*this);
    if (!mainFrame_->OnCreate()) {
        mainFrame_.reset();
        return false;
    }
    findDialog_ = std::make_unique<CFindDlg>(mainFrame_.get());
    BindCommands();
    UpdateRecentFileMenu();
    return true;
}

int CEditorApp::ExitInstance(int exitCode) {
    CloseCommandList();
    findDialog_.reset();
    mainFrame_.reset();
    documents_.clear();
    return exitCode;
}

bool CEditorApp::LoadCommandList() {
    const std::string base = BaseDirectory();
    const bool loaded = commands_.Load(base);
    trevalo::Settings().WriteString(trevalo::SettingId::Directory, base);
    return loaded;
}

CQuilletDoc* CEditorApp::OnFileNew() { return AddDocument({}); }

CQuilletDoc* CEditorApp::OpenDocumentFile(const std::string& path) {
    for (const auto& document : documents_) {
        if (!SamePath(document->GetPathName(), path)) continue;
        if (CChildFrame* frame = FrameOf(*document)) mainFrame_->MdiArea()->setActiveSubWindow(frame);
        return document.get();
    }
    if (!IsFile(path)) return nullptr;
    CQuilletDoc* document = AddDocument(path);
    if (document != nullptr) AddRecentFile(path);
    return document;
}

CQuilletDoc* CEditorApp::AddDocument(const std::string& path) {
    auto owned = std::make_unique<CQuilletDoc>(path.empty() ? platform::Format("Quillet%d", ++untitledCount_) : "");
    CQuilletDoc* document = owned.get();
    documents_.push_back(std::move(owned));
    if (!path.empty()) document->OnOpenDocument(path);
    const bool autoTab = trevalo::Settings().IsSwitchOn(trevalo::SettingId::AutoTab);
    auto* view = new CQuilletView(*document, *this, autoTab);
    auto* frame = new CChildFrame(*document, view);
    frame->canClose = [this, document] { return SaveModified(*document); };
    frame->onDestroyed = [this, document] { OnFrameClosed(document); };
    mainFrame_->AddChildFrame(frame);
    if (!view->OnInitialUpdate()) {
        delete frame;
        return nullptr;
    }
    return document;
}

void CEditorApp::OnFrameClosed(CQuilletDoc* document) {
    if (currentDocument_ == document) {
        currentDocument_ = nullptr;
        currentView_ = nullptr;
    }
    std::erase_if(documents_, [document](const auto& owned) { return owned.get() == document; });
}

CChildFrame* CEditorApp::FrameOf(const CQuilletDoc& document) const {
    for (QMdiSubWindow* window : mainFrame_->MdiArea()->subWindowList()) {
        auto* frame = dynamic_cast<CChildFrame*>(window);
        if (frame != nullptr && &frame->Document() == &document) return frame;
    }
    return nullptr;
}

void CEditorApp::OnFileOpen() {
    qtplatform::FileChooserRequest request;
    request.filter = kOpenFilter;
    request.initialFolder = lastFolder_.empty() ? BaseDirectory() : lastFolder_;
    const qtplatform::ChosenPath chosen = qtplatform::ChooseFile(request, mainFrame_.get());
    if (!chosen) return;
    lastFolder_ = platform::WindowsFolderPart(*chosen);
    if (OpenDocumentFile(*chosen) == nullptr)
        platform::MessageBox(kCannotOpenDocumentMessage, {}, platform::MbIcon::Information);
}

bool CEditorApp::DoSave(CQuilletDoc& document, bool askForName) {
    std::string path = document.GetPathName();
    if (askForName || path.empty()) {
        qtplatform::FileChooserRequest request;
        request.mode = qtplatform::FileChooserMode::Save;
        request.filter = kOpenFilter;
        request.initialFolder = SaveFolderOf(document);
        request.fileName = path.empty() ? document.FileTitle() + kDefaultExtension : platform::WindowsNamePart(path);
        request.defaultExtension = std::string(kDefaultExtension).substr(1);
        request.confirmOverwrite = true;
        const qtplatform::ChosenPath chosen = qtplatform::ChooseFile(request, mainFrame_.get());
        if (!chosen) return false;
        path = *chosen;
    }
    if (!document.OnSaveDocument(path)) return false;
    AddRecentFile(path);
    return true;
}

// A folder that is gone would leave the dialog in the program's own working folder.
std::string CEditorApp::SaveFolderOf(const CQuilletDoc& document) const {
    if (document.GetPathName().empty()) return BaseDirectory();
    const std::string folder = platform::WindowsFolderPart(document.GetPathName());
    return IsFolder(folder) ? folder : BaseDirectory();
}

void CEditorApp::AddRecentFile(const std::string& path) {
    recent_.Add(path);
    UpdateRecentFileMenu();
}

bool CEditorApp::SaveModified(CQuilletDoc& document) {
    if (!document.IsModified()) return true;
    const std::string question = platform::Format(kSaveChangesQuestion, document.FileTitle().c_str());
    switch (platform::MessageBox(question, {}, platform::MbIcon::Question, platform::MbButtons::YesNoCancel)) {
        case platform::MbResult::Yes:
            return DoSave(document, false);
        case platform::MbResult::No:
            return true;
        default:
            return false;
    }
}

bool CEditorApp::SaveAllModified() {
    for (const auto& document : documents_)
        if (!SaveModified(*document)) return false;
    return true;
}

void CEditorApp::ShowStatus(const std::string& text) {
    if (mainFrame_) mainFrame_->SetMessageText(text);
}

void CEditorApp::StartLabelScan(CQuilletDoc& document) {
    if (mainFrame_) mainFrame_->StartLabelScan(document);
}

void CEditorApp::OnViewActivated(CQuilletView& view) {
    currentView_ = &view;
    currentDocument_ = &view.GetDocument();
    if (mainFrame_ && !currentDocument_->GetPathName().empty())
        mainFrame_->WorkstationBar().AddFile(currentDocument_->GetPathName(), true);
}

bool CEditorApp::RunFind(CQuilletView& view, const std::string& proposal) {
    return findDialog_->Run(proposal, [&view](const std::string& text, FindOptions options) {
        const std::string all = view.Text();
        const auto found = FindText(all, text, 0, options);
        if (found) view.SelectText(*found, *found + text.size());
        return found.has_value();
    });
}

}  // namespace quillet
