#include "planner_commands.h"

#include "shell/command_ids.h"

namespace trevalo {
namespace {

using qtplatform::AcceleratorSpec;
using qtplatform::CommandSpec;

constexpr std::string_view kFile = "&File";
constexpr std::string_view kView = "&View";
constexpr std::string_view kTools = "&Tools";
constexpr std::string_view kExtra = "&Extra";
constexpr std::string_view kDatabaseOptions = "&Extra>&Database Options";
constexpr std::string_view kInternet = "&Internet";
constexpr std::string_view kHelp = "&Help";

// Every command of the planner, in menu order. Commands with an empty menu are reached by
// accelerator, toolbar or pop-up menu only.
constexpr CommandSpec kCommands[] = {
    {kCmdFileOpenAdf, kFile, "&Open 'Adf'\tCtrl-O"},
    {kCmdFileNew, kFile, "Ne&w"},
    {kCmdFilePrint, kFile, "&Print Flight Plan\tCtrl-P", true},
    {kCmdFilePrintPreview, kFile, "Pre&view Flight Plan"},
    {kCmdFilePrintSetup, kFile, "Print Setup"},
    {kCmdAppExit, kFile, "E&xit", true},
    {kCmdViewToolbar, kView, "&Toolbar"},
    {kCmdViewStatusBar, kView, "&Status Bar"},
    {kCmdViewWizardBar, kView, "&Wizard Bar"},
    {kCmdScaleToFit, kView, "SetScaleToFit", true},
    {kCmdResizeParentToFit, kView, "ResizeParentToFit"},
    {kCmdUpperLeft, kView, "UpperLeft"},
    {kCmdTrackMode, kView, "&Hand mode"},
    {kCmdZoomIn, kView, "Zoom &in", true},
    {kCmdZoomOut, kView, "Zoom &out"},
    {kCmdZoomDefault, kView, "Zoom &default"},
    {kCmdShowAirports, kTools, "Show\\Hide &Airports"},
    {kCmdShowAirportIds, kTools, "Sh&ow\\Hide Airport ID"},
    {kCmdShowRunwayNumbers, kTools, "Show\\Hide Airport &Rnw"},
    {kCmdShowNavaidIds, kTools, "S&how\\Hide Navaid Id"},
    {kCmdShowPlaneTrip, kTools, "Show\\Hide plane &trip"},
    {kCmdUndoLastSelection, kTools, "&Undo last selection\tCtrl-Z", true},
    {kCmdFindLocation, kTools, "&Find a location\tCtrl-F"},
    {kCmdCreateAdventure, kTools, "&Create adventure\tF7"},
    {kCmdCreateSidStar, kTools, "C&reate SID/STAR"},
    {kCmdConfiguration, kExtra, "Conf&iguration\tCtrl-I"},
    {kCmdCorrectAirport, kExtra, "&Correct Airport location"},
    {kCmdLoadingCountries, kDatabaseOptions, "Loading &Countries"},
    {kCmdCreateDatabase, kDatabaseOptions, "&Create Database"},
    {kCmdLaunchEditor, kExtra, "&Launch Adventure Editor", true},
    {kCmdHome, kInternet, "&Home\tCtrl-H"},
    {kCmdUploadSidStar, kInternet, "&Upload SID/STAR\tCtrl-U"},
    {kCmdDownloadLatest, kInternet, "&Download Latest\tCtrl-D"},
    {kCmdCheckNewVersion, kInternet, "&Check New version"},
    {kCmdTipOfTheDay, kHelp, "Ti&p of the Day..."},
    {kCmdAppAbout, kHelp, "&About Trevalo...", true},
    {kCmdPageSetupChanged, {}, "Configuration"},
    {kCmdDebugOptions, {}, "Debug Options"},
    {kCmdEditTip, {}, "Edit Tip"},
    {kCmdNavaidPopup, {}, "Navaids"},
};

// Pop-up menu under the navaid toolbar button: the four navaid switches.
constexpr CommandSpec kNavaidPopup[] = {
    {kCmdShowVor, {}, "Show/ Hide &VOR"},
    {kCmdShowNdb, {}, "Show/ Hide &NDB"},
    {kCmdShowIls, {}, "Show/ Hidle ILS"},
    {kCmdShowRadials, {}, "show/ Hide Radials"},
};

constexpr AcceleratorSpec kAccelerators[] = {
    {Qt::CTRL | Qt::Key_D, kCmdDownloadLatest},
    {Qt::CTRL | Qt::Key_F, kCmdFindLocation},
    {Qt::CTRL | Qt::Key_H, kCmdHome},
    {Qt::CTRL | Qt::Key_I, kCmdPageSetupChanged},
    {Qt::CTRL | Qt::Key_O, kCmdFileOpenAdf},
    {Qt::CTRL | Qt::Key_P, kCmdFilePrint},
    {Qt::CTRL | Qt::Key_U, kCmdUploadSidStar},
    {QKeyCombination(Qt::Key_F7), kCmdCreateAdventure},
    {Qt::CTRL | Qt::Key_Z, kCmdUndoLastSelection},
};

constexpr ToolbarButton kToolbar[] = {
    {kCmdFileNew, "New", "New route"},
    {kCmdFileOpenAdf, "Open", "Open an adventure definition"},
    {0, {}, {}},
    {kCmdFilePrint, "Print", "Print the chart"},
    {0, {}, {}},
    {kCmdFindLocation, "Find", "Find a location"},
    {kCmdCreateAdventure, "Create", "Create adventure"},
    {0, {}, {}},
    {kCmdAppAbout, "About", "About Trevalo"},
    {0, {}, {}},
    // The map view's buttons: their tool tips are their menu texts.
    {kCmdZoomIn, "Zoom in", {}},
    {kCmdZoomOut, "Zoom out", {}},
    {kCmdZoomDefault, "1:1", {}},
    {kCmdScaleToFit, "Fit", {}},
    {kCmdTrackMode, "Hand", {}},
    {kCmdNavaidPopup, "Navaids", {}},
    {kCmdUndoLastSelection, "Undo", {}},
};

// Pop-up menu of the crash options: the three modes, a separator, the three flags.
constexpr CommandSpec kCrashMenu[] = {
    {kCmdIgnoreCrash, {}, "Ignore Crash"},
    {kCmdCrashDetectReset, {}, "Detect crash and reset"},
    {kCmdCrashShowGraph, {}, "Detect crash and show graph"},
    {kCmdStressDamage, {}, "&Aircraft stress causes damage", true},
    {kCmdOffRunwayCrash, {}, "&Off-Runway crash"},
    {kCmdCollideScenery, {}, "&Can collide with scenery"},
};

}  // namespace

std::span<const CommandSpec> PlannerCommands() { return kCommands; }
std::span<const AcceleratorSpec> PlannerAccelerators() { return kAccelerators; }
std::span<const ToolbarButton> PlannerToolbar() { return kToolbar; }
std::span<const CommandSpec> CrashMenuCommands() { return kCrashMenu; }
std::span<const CommandSpec> NavaidPopupCommands() { return kNavaidPopup; }

}  // namespace trevalo
