// The commands that the application binds: files, editing, searching, the editor's
// dialogs and the recent files.
#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QMdiArea>
#include <QPlainTextEdit>

#include "child_frame.h"
#include "command_ids.h"
#include "editor_app.h"
#include "find_dlg.h"
#include "main_frame.h"
#include "platform/message_box.h"
#include "platform/text.h"
#include "qtplatform/command_table.h"
#include "qtplatform/text.h"
#include "quillet_doc.h"
#include "quillet_view.h"
#include "workstation_bar.h"

namespace quillet {
namespace {

using qtplatform::BindCommand;
using qtplatform::BindCommandUpdate;
using qtplatform::CommandUI;

constexpr const char* kUndoDisabledMessage = "Undo has been disabled in this version";

// The text control with the focus, and what it offers.
struct FocusedEdit {
    QLineEdit* line = qobject_cast<QLineEdit*>(QApplication::focusWidget());
    QPlainTextEdit* text = qobject_cast<QPlainTextEdit*>(QApplication::focusWidget());

    bool Any() const { return line != nullptr || text != nullptr; }
    bool HasSelection() const {
        return line != nullptr ? line->hasSelectedText() : text != nullptr && text->textCursor().hasSelection();
    }
    bool CanUndo() const {
        return line != nullptr ? line->isUndoAvailable() : text != nullptr && text->document()->isUndoAvailable();
    }
    template <class Action>
    void Do(Action action) const {
        if (line != nullptr)
            action(*line);
        else if (text != nullptr)
            action(*text);
    }
};

}  // namespace

void CEditorApp::BindCommands() {
    BindFileCommands();
    BindEditCommands();
    BindViewCommands();
}

void CEditorApp::BindFileCommands() {
    CMainFrame* frame = mainFrame_.get();
    const auto whenDocument = [this](CommandUI& ui) { ui.Enable(currentDocument_ != nullptr); };
    BindCommand(frame, kCmdFileNew, [this] { OnFileNew(); });
    BindCommand(frame, kCmdFileOpen, [this] { OnFileOpen(); });
    BindCommand(frame, kCmdFileClose, [this] {
        if (CChildFrame* child = currentDocument_ != nullptr ? FrameOf(*currentDocument_) : nullptr) child->close();
    });
    BindCommand(frame, kCmdFileSave, [this] {
        if (currentDocument_ != nullptr) DoSave(*currentDocument_, false);
    });
    BindCommand(frame, kCmdFileSaveAs, [this] {
        if (currentDocument_ != nullptr) DoSave(*currentDocument_, true);
    });
    for (int id : {kCmdFileClose, kCmdFileSave, kCmdFileSaveAs}) BindCommandUpdate(frame, id, whenDocument);
    BindCommand(frame, kCmdFileSendMail, [this] { OnFileSendMail(); });
    BindCommand(frame, kCmdFilePrint, [this] { OnFilePrint(qtplatform::PrintTarget::Printer); });
    BindCommand(frame, kCmdFilePrintPreview, [this] { OnFilePrint(qtplatform::PrintTarget::Preview); });
    for (int id : {kCmdFilePrint, kCmdFilePrintPreview}) BindCommandUpdate(frame, id, whenDocument);
    BindCommand(frame, kCmdFilePrintSetup, [this] { OnFilePrintSetup(); });
    for (int i = 0; i < kRecentFileCount; ++i) {
        BindCommand(frame, kCmdFileMruFirst + i, [this, i] {
            if (static_cast<std::size_t>(i) >= recent_.Paths().size()) return;
            const std::string path = recent_.Paths()[static_cast<std::size_t>(i)];
            if (OpenDocumentFile(path) != nullptr) return;
            platform::MessageBox(kCannotOpenDocumentMessage, {}, platform::MbIcon::Information);
            recent_.Remove(path);
            UpdateRecentFileMenu();
        });
    }
    BindCommand(frame, kCmdAppExit, [frame] { frame->close(); });
    BindCommand(frame, kCmdAppAbout, [this] { OnAppAbout(); });
    BindCommand(frame, kCmdTipOfTheDay, [this] { OnTipOfTheDay(); });
}

void CEditorApp::BindEditCommands() {
    CMainFrame* frame = mainFrame_.get();
    BindCommand(frame, kCmdEditUndo,
                [] { platform::MessageBox(kUndoDisabledMessage, {}, platform::MbIcon::Information); });
    BindCommandUpdate(frame, kCmdEditUndo, [](CommandUI& ui) { ui.Enable(FocusedEdit().CanUndo()); });
    BindCommand(frame, kCmdEditCut, [] { FocusedEdit().Do([](auto& edit) { edit.cut(); }); });
    BindCommand(frame, kCmdEditCopy, [] { FocusedEdit().Do([](auto& edit) { edit.copy(); }); });
    BindCommand(frame, kCmdEditPaste, [] { FocusedEdit().Do([](auto& edit) { edit.paste(); }); });
    for (int id : {kCmdEditCut, kCmdEditCopy})
        BindCommandUpdate(frame, id, [](CommandUI& ui) { ui.Enable(FocusedEdit().HasSelection()); });
    BindCommandUpdate(frame, kCmdEditPaste, [](CommandUI& ui) {
        ui.Enable(FocusedEdit().Any() && !QApplication::clipboard()->text().isEmpty());
    });
}

void CEditorApp::BindViewCommands() {
    CMainFrame* frame = mainFrame_.get();
    const auto whenView = [this](CommandUI& ui) { ui.Enable(currentView_ != nullptr); };
    struct ViewCommand {
        int id;
        void (*handler)(CQuilletView& view);
    };
    const ViewCommand viewCommands[] = {
        {kCmdRepeatSearch, [](CQuilletView& view) { view.OnRepeatSearch(); }},
        {kCmdJumpToLine, [](CQuilletView& view) { view.OnJumpToLine(); }},
        {kCmdAutoTab, [](CQuilletView& view) { view.OnAutoTab(); }},
    };
    for (const ViewCommand& command : viewCommands) {
        BindCommand(frame, command.id, [this, handler = command.handler] {
            if (currentView_ != nullptr) handler(*currentView_);
        });
    }
    BindCommand(frame, kCmdFind, [this] { OnFind(); });
    BindCommandUpdate(frame, kCmdJumpToLine, whenView);
    BindCommandUpdate(frame, kCmdRepeatSearch, [this](CommandUI& ui) {
        ui.Enable(currentView_ != nullptr && !findDialog_->SearchText().empty());
    });
    BindCommandUpdate(frame, kCmdAutoTab, [this](CommandUI& ui) {
        ui.Enable(currentView_ != nullptr);
        ui.SetCheck(currentView_ != nullptr && currentView_->AutoTabOn());
    });
    BindCommand(frame, kCmdRefreshDocument, [this] { OnRefreshDocument(); });
    BindCommandUpdate(frame, kCmdRefreshDocument, whenView);
    for (int id : {kCmdConfiguration, kCmdShortcutFiles}) BindCommand(frame, id, [this] { OnConfiguration(); });
    BindCommand(frame, kCmdCommands, [this] { OnCommands(); });
}

void CEditorApp::UpdateRecentFileMenu() {
    const std::vector<std::string>& paths = recent_.Paths();
    for (int i = 0; i < kRecentFileCount; ++i) {
        QAction* action = qtplatform::FindCommand(mainFrame_.get(), kCmdFileMruFirst + i);
        const bool shown = static_cast<std::size_t>(i) < paths.size();
        action->setVisible(shown);
        if (shown)
            action->setText(
                qtplatform::ToQString(platform::Format("&%d %s", i + 1, paths[static_cast<std::size_t>(i)].c_str())));
    }
}

}  // namespace quillet
