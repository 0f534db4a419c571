// The planner's application object: start-up (settings, paths, the main frame, the map
// view's load), the application's commands, and shut-down closing the programs it started.
#pragma once

#include <memory>
#include <string>

#include "platform/process.h"
#include "shell/debug_options.h"
#include "shell/settings.h"

namespace trevalo {

class CRoutePoint;
class CMainFrame;
class CTrevaloDoc;
class CTrevaloView;

inline constexpr const char* kProgramTitle = "Trevalo";
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

    // The one application object while it lives.
    static CTrevaloApp* Instance();

    // Needs a QApplication. True to run the message loop, false to end the program.
    bool InitInstance();
    // Destroys the main frame, closes the database builder when it still runs, and
    // returns the exit code.
    int ExitInstance(int exitCode);

    CMainFrame* MainFrame() const { return mainFrame_.get(); }
    CTrevaloDoc* Document() const { return document_.get(); }
    CTrevaloView* GetActiveMapView() const;
    void InvalidateMapView();

    // Forwarders to the active map view; each does nothing without one.
    void CenterMapOn(double latitude, double longitude, int zoom);
    void ShowHoldingAirports();
    // The view's route points and their count; nullptr and 0 without a view.
    CRoutePoint* GetRoute(int& count);
    // The view re-reads map_internal.adf.
    void ReloadRouteMap();
    // Airport line index (0-based, as the airport list counts) into out, which holds 336
    // bytes; out is left alone for an index outside the list.
    void GetAirportLine(int index, char* out) const;

    DebugOptions& GetDebugOptions() { return debugOptions_; }
    const std::string& BaseDirectory() const { return baseDirectory_; }

    void OnDebugOptions();
    void OnAppAbout();
    void OnFilePrintSetup();
    void OnHome();
    void OnUploadSidStar();

private:
    void LoadSettings();
    bool CreateMainFrame();
    bool OpenNewDocument();
    void BindCommands();

    DebugOptions debugOptions_;
    std::string baseDirectory_;
    Settings settings_;
    std::unique_ptr<CTrevaloDoc> document_;
    std::unique_ptr<CMainFrame> mainFrame_;
    // Started by the database builder command; closed at exit.
    platform::Process builder_;
};

}  // namespace trevalo
