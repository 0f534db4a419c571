// The planner's application object: start-up (settings, paths, the main frame, the
// document with the planner's data and its map view, whose first update loads the
// databases), the application's commands, and shut-down closing the programs it started.
// The data belong to the document: views and pages get them from it, not from here.
#pragma once

#include <ctime>
#include <functional>
#include <memory>
#include <string>

#include "platform/process.h"
#include "shell/debug_options.h"
#include "shell/settings.h"

namespace trevalo {

class CMainFrame;
class CTrevaloDoc;
class CTrevaloView;

inline constexpr const char* kProgramTitle = "Trevalo";
inline constexpr const char* kBuilderMissingMessage =
    "The program 'Gathrel.exe' could not be found.\nPlease make sure that this program is in your main directory\n"
    "\tRefer to the manual for more info.\n";
inline constexpr const char* kBuilderMissingCaption = "Missing 'Gathrel.exe'";
inline constexpr const char* kBuilderLibrariesMessage =
    "You need the DLL's Aerodrex/Beaconex and Icarune to run this application.\nPlease ensure that they are in the "
    "Sytem path or in the same directory as this program\n\tRefer to the manual for more info.\n";
// Around the path of a definition that File > Open 'Adf' could not read.
inline constexpr const char* kAdventureNotOpenedIntro = "An error occured while opening the file,\n";
inline constexpr const char* kAdventureNotOpenedOutro = ",\nPlease Ensure that the file is not write protected.";
inline constexpr const char* kWebPageNotOpenedMessage =
    "The page %s could not be opened.\nPlease make sure that a web browser is installed.";
inline constexpr const char* kNoAirportMessage =
    "You have no airport loaded.\nAlthough it is allowed it also makes your system useless.\n"
    "To use the application properly you must have at least 1 airport.\n"
    "Please use the 'Database options' in the 'Extra' menu to add some countries.";

class CTrevaloApp {
public:
    CTrevaloApp();
    ~CTrevaloApp();
    CTrevaloApp(const CTrevaloApp&) = delete;
    CTrevaloApp& operator=(const CTrevaloApp&) = delete;

    // Start-up without its modal questions (tip of the day, version check), as for a run
    // that no user watches.
    void SkipStartupDialogs() { startupDialogs_ = false; }
    // The clock of the version check (tests set their own).
    void SetClock(std::function<std::time_t()> clock) { clock_ = std::move(clock); }
    // Needs a QApplication. True to run the message loop, false to end the program.
    bool InitInstance();
    // Destroys the main frame, closes the database builder when it still runs, and
    // returns the exit code.
    int ExitInstance(int exitCode);

    CMainFrame* MainFrame() const { return mainFrame_.get(); }
    // The one document, with the planner's data; null before start-up.
    CTrevaloDoc* Document() const { return document_.get(); }
    void InvalidateMapView();

    // Forwarders to the main frame's active map view; each does nothing without one.
    void CenterMapOn(double latitude, double longitude, int zoom);
    void ShowHoldingAirports();
    // The document's route is read again from map_internal.adf.
    void ReloadRouteMap();

    DebugOptions& GetDebugOptions() { return debugOptions_; }
    const std::string& BaseDirectory() const { return baseDirectory_; }

    void OnDebugOptions();
    void OnAppAbout();
    void OnFilePrintSetup();
    void OnHome();
    void OnUploadSidStar();
    // File > Open 'Adf': a definition chosen in the base directory into the wizard and
    // the route.
    void OnFileOpenAdf();
    void OnCorrectAirport();
    void OnLoadingCountries();
    // The flight-plan chart and an approach chart per airport of the route.
    void OnFilePrint();
    void OnFilePrintPreview();
    // Starts the database builder, or brings the one started to the front.
    void OnCreateDatabase();
    const platform::Process& Builder() const { return builder_; }
    void OnDownloadLatest();
    void OnCheckNewVersion();
    // At start-up: the version question once its days have passed.
    void CheckVersionPeriodically();
    void OnTipOfTheDay();
    void OnEditTip();
    // The tip of the day, when its box for start-up is ticked; the next tip is taken in any
    // case.
    void ShowTipAtStartup();

private:
    void LoadSettings();
    bool CreateMainFrame();
    bool OpenNewDocument();
    void BindCommands();

    std::string TipsPath() const;

    DebugOptions debugOptions_;
    bool startupDialogs_ = true;
    std::function<std::time_t()> clock_ = [] { return std::time(nullptr); };
    std::string baseDirectory_;
    Settings settings_;
    std::unique_ptr<CTrevaloDoc> document_;
    std::unique_ptr<CMainFrame> mainFrame_;
    // Started by the database builder command; closed at exit.
    platform::Process builder_;
};

}  // namespace trevalo
