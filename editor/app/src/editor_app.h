// The source editor's application object: start-up and shut-down, the open documents and
// their views (the current one is the last that had the focus), the command list, the
// recent files, the Find dialog, and the commands that belong to no single bar.
#pragma once

#include <QStringList>
#include <memory>
#include <string>
#include <vector>

#include "qtplatform/print_target.h"
#include "quillet/command_list.h"
#include "recent_files.h"
#include "view_host.h"

QT_BEGIN_NAMESPACE
class QPrinter;
QT_END_NAMESPACE

namespace quillet {

class CChildFrame;
class CMainFrame;
class MailHandOff;

inline constexpr const char* kEditorTitle = "Quillet";
inline constexpr const char* kSaveChangesQuestion = "Save changes to %s?";
inline constexpr const char* kRefreshSaveQuestion =
    "You need to save the file first,\nWould you like to save the current document";
inline constexpr const char* kRefreshDiscardQuestion =
    "%s has changes that are not saved.\nDiscard them and read the file again from the disk?";
inline constexpr const char* kOpenFilter = "Adventure Files (*.Adf, *.txt)|*.adf;*.txt|Text Files (*.txt)|*.txt||";
// New documents are proposed as sources: indentation and compiling need the extension.
inline constexpr const char* kDefaultExtension = ".txt";

class CEditorApp : public ViewHost {
public:
    CEditorApp();
    ~CEditorApp() override;
    CEditorApp(const CEditorApp&) = delete;
    CEditorApp& operator=(const CEditorApp&) = delete;

    // Needs a QApplication. The arguments after the program's name: a file to open.
    bool InitInstance(const QStringList& arguments);
    int ExitInstance(int exitCode);

    CMainFrame* MainFrame() const { return mainFrame_.get(); }
    std::string BaseDirectory() const;

    // Documents.
    const std::vector<std::unique_ptr<CQuilletDoc>>& Documents() const { return documents_; }
    CQuilletDoc* CurrentDocument() const { return currentDocument_; }
    CQuilletView* CurrentView() const { return currentView_; }
    CQuilletDoc* OnFileNew();
    // Opens the file, or activates it when it is open; nullptr when it cannot be read.
    CQuilletDoc* OpenDocumentFile(const std::string& path);
    void OnFileOpen();
    // Save (under the document's path when it has one) and Save As.
    bool DoSave(CQuilletDoc& document, bool askForName);
    // Asks to save a modified document; false when the user cancels or the save fails.
    bool SaveModified(CQuilletDoc& document);
    bool SaveAllModified();

    RecentFiles& Recent() { return recent_; }
    // The file to the top of the recent files and their menu.
    void AddRecentFile(const std::string& path);
    CommandList& GetCommandList() { return commands_; }
    // Reads CmdFile.cmd from the base directory and writes the directory back.
    bool LoadCommandList();
    void CloseCommandList() { commands_.Close(); }

    // The editor's commands that are not a bar's.
    void OnConfiguration();
    void OnCommands();
    // Reads the current document's file again, after asking before changes are dropped.
    void OnRefreshDocument();
    // The current view's Find; without a document the text is kept for Repeat Search.
    void OnFind();
    void OnFileSendMail();
    void OnFilePrint(qtplatform::PrintTarget target);
    void OnFilePrintSetup();
    void OnAppAbout();
    // The next tip of the base directory's AdvTip.txt; at start-up only when the tips ask for it.
    void ShowTipAtStartup();
    void OnTipOfTheDay();

    // ViewHost.
    const CommandList& Commands() const override { return commands_; }
    void ShowStatus(const std::string& text) override;
    void StartLabelScan(CQuilletDoc& document) override;
    void OnViewActivated(CQuilletView& view) override;
    CFindDlg& FindDialog() override { return *findDialog_; }
    bool RunFind(CQuilletView& view, const std::string& proposal) override;

private:
    bool CreateMainFrame();
    void BindCommands();
    void BindFileCommands();
    void BindEditCommands();
    void BindViewCommands();
    void UpdateRecentFileMenu();
    CQuilletDoc* AddDocument(const std::string& path);
    void OnFrameClosed(CQuilletDoc* document);
    CChildFrame* FrameOf(const CQuilletDoc& document) const;
    std::string TipsPath() const;
    // Where Save As opens: the document's folder, else the base directory.
    std::string SaveFolderOf(const CQuilletDoc& document) const;
    // The printer of this run: Print Setup's choices stay for the prints that follow.
    QPrinter& Printer();

    std::unique_ptr<CMainFrame> mainFrame_;
    std::unique_ptr<CFindDlg> findDialog_;
    std::vector<std::unique_ptr<CQuilletDoc>> documents_;
    CQuilletDoc* currentDocument_ = nullptr;
    CQuilletView* currentView_ = nullptr;
    CommandList commands_;
    RecentFiles recent_;
    std::string lastFolder_;
    int untitledCount_ = 0;
    std::unique_ptr<MailHandOff> mail_;
    std::unique_ptr<QPrinter> printer_;
};

}  // namespace quillet
