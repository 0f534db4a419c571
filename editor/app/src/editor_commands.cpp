#include "editor_commands.h"

#include "command_ids.h"

namespace quillet {
namespace {

using qtplatform::AcceleratorSpec;
using qtplatform::CommandSpec;

constexpr std::string_view kFile = "&File";
constexpr std::string_view kEdit = "&Edit";
constexpr std::string_view kView = "&View";
constexpr std::string_view kEditor = "E&ditor";
constexpr std::string_view kHelp = "&Help";

// Every command, in menu order; the recent files stand before Exit.
constexpr CommandSpec kCommands[] = {
    {kCmdFileNew, kFile, "&New\tCtrl+N"},
    {kCmdFileOpen, kFile, "&Open...\tCtrl+O"},
    {kCmdFileClose, kFile, "&Close"},
    {kCmdFileSave, kFile, "&Save\tCtrl+S"},
    {kCmdFileSaveAs, kFile, "Save &As..."},
    {kCmdFilePrint, kFile, "&Print...\tCtrl+P", true},
    {kCmdFilePrintPreview, kFile, "Print Pre&view"},
    {kCmdFilePrintSetup, kFile, "P&rint Setup..."},
    {kCmdFileSendMail, kFile, "Sen&d...", true},
    {kCmdFileMruFirst, kFile, "Recent File", true},
    {kCmdFileMruFirst + 1, kFile, "Recent File"},
    {kCmdFileMruFirst + 2, kFile, "Recent File"},
    {kCmdFileMruFirst + 3, kFile, "Recent File"},
    {kCmdFileMruFirst + 4, kFile, "Recent File"},
    {kCmdFileMruFirst + 5, kFile, "Recent File"},
    {kCmdFileMruFirst + 6, kFile, "Recent File"},
    {kCmdFileMruFirst + 7, kFile, "Recent File"},
    {kCmdFileMruFirst + 8, kFile, "Recent File"},
    {kCmdFileMruFirst + 9, kFile, "Recent File"},
    {kCmdAppExit, kFile, "E&xit", true},
    {kCmdEditUndo, kEdit, "&Undo\tCtrl+Z"},
    {kCmdEditCut, kEdit, "Cu&t\tCtrl+X", true},
    {kCmdEditCopy, kEdit, "&Copy\tCtrl+C"},
    {kCmdEditPaste, kEdit, "&Paste\tCtrl+V"},
    {kCmdFind, kEdit, "&Find\tCtrl+F", true},
    {kCmdRepeatSearch, kEdit, "&Repeat Search\tF3"},
    {kCmdJumpToLine, kEdit, "&Jump to line\tCtrl+G"},
    {kCmdViewToolbar, kView, "&Toolbar"},
    {kCmdViewStatusBar, kView, "&Status Bar"},
    {kCmdViewConfigBar, kView, "&Config Bar"},
    {kCmdViewBuildBar, kView, "&Build Bar"},
    {kCmdViewWorkstation, kView, "&Workstation"},
    {kCmdCompileMenu, kEditor, "C&ompile\tF7"},
    {kCmdNextError, kEditor, "Show next error\tF4"},
    {kCmdPreviousError, kEditor, "Show previous error\tCtrl+F4"},
    {kCmdShortcutFiles, kEditor, "&Configuration\tCtrl+I", true},
    {kCmdLaunchWizard, kEditor, "Launch &Wizard"},
    {kCmdNavAids, kEditor, "&NavAids"},
    {kCmdCommands, kEditor, "&Commands", true},
    {kCmdRefreshDocument, kEditor, "&Refresh Document"},
    {kCmdAutoTab, kEditor, "&Automatic tabbing"},
    {kCmdTipOfTheDay, kHelp, "Ti&p of the Day..."},
    {kCmdHelpTopics, kHelp, "&Help Topics\tF1", true},
    {kCmdAppAbout, kHelp, "&About Quillet..."},
    // The configuration bar's buttons.
    {kCmdCompile, {}, "Compile"},
    {kCmdConfiguration, {}, "&Shortcut Files"},
};

constexpr AcceleratorSpec kAccelerators[] = {
    {Qt::CTRL | Qt::Key_N, kCmdFileNew},
    {Qt::CTRL | Qt::Key_O, kCmdFileOpen},
    {Qt::CTRL | Qt::Key_S, kCmdFileSave},
    {Qt::CTRL | Qt::Key_P, kCmdFilePrint},
    {Qt::CTRL | Qt::Key_Z, kCmdEditUndo},
    {Qt::ALT | Qt::Key_Backspace, kCmdEditUndo},
    {Qt::CTRL | Qt::Key_X, kCmdEditCut},
    {Qt::SHIFT | Qt::Key_Delete, kCmdEditCut},
    {Qt::CTRL | Qt::Key_C, kCmdEditCopy},
    {Qt::CTRL | Qt::Key_Insert, kCmdEditCopy},
    {Qt::CTRL | Qt::Key_V, kCmdEditPaste},
    {Qt::SHIFT | Qt::Key_Insert, kCmdEditPaste},
    {QKeyCombination(Qt::Key_F7), kCmdCompileMenu},
    {QKeyCombination(Qt::Key_F4), kCmdNextError},
    {Qt::CTRL | Qt::Key_F4, kCmdPreviousError},
    {Qt::CTRL | Qt::Key_I, kCmdShortcutFiles},
    {Qt::CTRL | Qt::Key_F, kCmdFind},
    {QKeyCombination(Qt::Key_F3), kCmdRepeatSearch},
    {Qt::CTRL | Qt::Key_G, kCmdJumpToLine},
    {QKeyCombination(Qt::Key_F1), kCmdHelpTopics},
    {Qt::SHIFT | Qt::Key_F1, kCmdAppAbout},
};

constexpr ToolbarButton kMainToolbar[] = {
    {kCmdFileNew, "New", "Create a new document"},
    {kCmdFileOpen, "Open", "Open an existing document"},
    {kCmdFileSave, "Save", "Save the active document"},
    {0, {}, {}},
    {kCmdEditCut, "Cut", "Cut the selection"},
    {kCmdEditCopy, "Copy", "Copy the selection"},
    {kCmdEditPaste, "Paste", "Insert the clipboard's text"},
    {0, {}, {}},
    {kCmdFilePrint, "Print", "Print the active document"},
    {kCmdAppAbout, "About", "About Quillet"},
};

constexpr ToolbarButton kConfigBar[] = {
    {kCmdCompile, "Compile", "Compile the current document"},
    {kCmdConfiguration, "Configuration", "The programs and folders of the suite"},
    {kCmdNavAids, "NavAids", {}},
    {kCmdLaunchWizard, "Launch Wizard", "Start the planner"},
};

}  // namespace

std::span<const CommandSpec> EditorCommands() { return kCommands; }
std::span<const AcceleratorSpec> EditorAccelerators() { return kAccelerators; }
std::span<const ToolbarButton> MainToolbar() { return kMainToolbar; }
std::span<const ToolbarButton> ConfigBarButtons() { return kConfigBar; }

}  // namespace quillet
