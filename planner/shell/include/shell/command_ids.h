// The planner's command ids, one list for the menus, toolbar, accelerators and pop-up
// menus of the application, the main frame and the map view; and the ids of its
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
    kCmdFilePrintPreview = 57609,
    kCmdFileOpenAdf = 32808,
    kCmdHome = 32821,
    kCmdUploadSidStar = 32822,
    kCmdDownloadLatest = 32823,
    kCmdCorrectAirport = 32825,
    kCmdCheckNewVersion = 32833,
    kCmdLoadingCountries = 32834,
    kCmdCreateDatabase = 32835,
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
    // Map view (the application handles the first four only after the view)
    kCmdFileNew = 32812,
    kCmdFindLocation = 32797,
    kCmdCreateAdventure = 32794,
    kCmdUndoLastSelection = 32795,
    kCmdZoomDefault = 32771,
    kCmdZoomIn = 32772,
    kCmdZoomOut = 32773,
    kCmdScaleToFit = 32780,
    kCmdResizeParentToFit = 32781,
    kCmdUpperLeft = 32782,
    kCmdTrackMode = 32784,
    kCmdNavaidPopup = 32785,
    kCmdShowAirports = 32786,
    kCmdShowNavaidIds = 32789,
    kCmdShowAirportIds = 32790,
    kCmdShowPlaneTrip = 32791,
    kCmdShowRunwayNumbers = 32799,
    kCmdShowIls = 32813,
    kCmdShowNdb = 32814,
    kCmdShowVor = 32815,
    kCmdShowRadials = 32817,
    kCmdCreateSidStar = 32824,
};

enum StatusPaneId : int {
    kPaneLongitude = 32776,
    kPaneLatitude = 32777,
};

}  // namespace trevalo
