// Command ids of the planner's menus, toolbar and accelerators, and the ids of its
// status-bar panes.
#pragma once

namespace trevalo {

enum CommandId : int {
    // Application
    kCmdTipOfTheDay = 107,
    kCmdEditTip = 160,
    kCmdDebugOptions = 175,
    kCmdAppAbout = 57664,
    kCmdAppExit = 57665,
    kCmdFilePrintSetup = 57606,
    kCmdFilePrint = 57607,
    kCmdFileOpenAdf = 32808,
    kCmdFileNew = 32812,
    kCmdHome = 32821,
    kCmdUploadSidStar = 32822,
    kCmdDownloadLatest = 32823,
    kCmdCorrectAirport = 32825,
    kCmdCheckNewVersion = 32833,
    kCmdLoadingCountries = 32834,
    kCmdCreateDatabase = 32835,
    kCmdFindLocation = 32797,
    kCmdCreateAdventure = 32794,
    kCmdUndoLastSelection = 32795,
    // Main frame
    kCmdLaunchEditor = 1010,
    kCmdPageSetupChanged = 32783,  // also Configuration, by the accelerator
    kCmdConfiguration = 32804,
    kCmdViewToolbar = 59392,
    kCmdViewStatusBar = 59393,
    kCmdViewWizardBar = 32800,
    // Crash options menu
    kCmdIgnoreCrash = 32831,
    kCmdCrashDetectReset = 32829,
    kCmdCrashShowGraph = 32832,
    kCmdStressDamage = 32830,
    kCmdOffRunwayCrash = 32827,
    kCmdCollideScenery = 32828,
};

enum StatusPaneId : int {
    kPaneLongitude = 32776,
    kPaneLatitude = 32777,
};

}  // namespace trevalo
