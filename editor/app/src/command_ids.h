// The source editor's command ids: one list for the menus, accelerators and toolbars of
// the application, the main frame, its bars and the views.
#pragma once

namespace quillet {

enum CommandId : int {
    // File
    kCmdFileNew = 57600,
    kCmdFileOpen = 57601,
    kCmdFileClose = 57602,
    kCmdFileSave = 57603,
    kCmdFileSaveAs = 57604,
    kCmdFilePrintSetup = 57606,
    kCmdFilePrint = 57607,
    kCmdFilePrintPreview = 57609,
    kCmdFileSendMail = 57612,
    kCmdFileMruFirst = 57616,  // the ten recent files follow
    kCmdAppExit = 57665,
    // Edit
    kCmdEditCopy = 57634,
    kCmdEditCut = 57635,
    kCmdEditPaste = 57637,
    kCmdEditUndo = 57643,
    // View
    kCmdViewToolbar = 59392,
    kCmdViewStatusBar = 59393,
    kCmdViewConfigBar = 32773,
    kCmdViewBuildBar = 32774,
    kCmdViewWorkstation = 32781,
    // Editor
    kCmdConfiguration = 1001,
    kCmdCompile = 1002,
    kCmdLaunchWizard = 1004,
    kCmdNavAids = 32772,
    kCmdCompileMenu = 32779,
    kCmdShortcutFiles = 32780,
    kCmdNextError = 32804,
    kCmdPreviousError = 32805,
    kCmdFind = 32782,
    kCmdRepeatSearch = 32786,
    kCmdJumpToLine = 32778,
    kCmdCommands = 32789,
    kCmdRefreshDocument = 32790,
    kCmdAutoTab = 32799,
    // Help
    kCmdTipOfTheDay = 105,
    kCmdHelpTopics = 57667,
    kCmdAppAbout = 57664,
};

inline constexpr int kRecentFileCount = 10;

// Bars found by the commands that show them.
inline constexpr int kBuildListId = 1010;
inline constexpr int kLabelTreeId = 1014;
inline constexpr int kSourceEditId = 1000;

}  // namespace quillet
