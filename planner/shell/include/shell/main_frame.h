// The planner's main frame: menus, toolbar and accelerators from the command table, the
// status bar with the cursor-position panes, the frame of the map view, and the crash
// options menu.
#pragma once

#include <QMainWindow>
#include <cstdint>
#include <string>

#include "adf/values/emergency.h"
#include "platform/process.h"

QT_BEGIN_NAMESPACE
class QLabel;
class QMdiArea;
class QMenu;
class QToolBar;
QT_END_NAMESPACE

namespace trevalo {

inline constexpr const char* kEditorMissingMessage = "Cannot locate the Editor\nPlease Update your Files.";

class CChildFrame;
class CTrevaloView;
class CWizardBar;

class CMainFrame : public QMainWindow {
public:
    CMainFrame();
    // Closes the source editor when this frame started it and it still runs.
    ~CMainFrame() override;

    // Menus, toolbar, status bar and docking; false when any of them cannot be made.
    bool OnCreate();

    QMdiArea* MdiArea() const { return mdiArea_; }
    void AddChildFrame(CChildFrame* frame);
    CTrevaloView* GetActiveMapView() const;
    QToolBar* ToolBar() const { return toolBar_; }
    // The wizard bar, docked at the left; its sheets are made once the frame is shown.
    CWizardBar& WizardBar() const { return *wizardBar_; }

    // Create adventure and the opening of a definition, for the wizard bar.
    void CreateAdventure();
    bool LoadAdventure(const std::string& adfPath);

    // The compile step of Create adventure's install (shell/compile_adventure.h).
    static bool CompileAdventure(std::string sourcePath);

    // Written by the map view while the mouse moves (arc-seconds, east and north positive).
    void SetCursorPosition(std::int32_t longitude, std::int32_t latitude);
    void OnUpdateLongitude();
    void OnUpdateLatitude();

    // The pop-up menu of the crash options: they are the wizard's emergency values, so the
    // commands act only once the wizard exists; ticks and enabled states follow the
    // values each time it opens.
    QMenu* CrashOptionsMenu() const { return crashMenu_; }
    // The wizard's; null before its sheets are made.
    adf::EmergencyValues* CrashValues() const;

    // The configuration dialog, then the map repainted.
    void OnConfiguration();

    // Starts the source editor (Files/Editor), or brings the one it started to the front.
    void OnLaunchEditor();
    const platform::Process& Editor() const { return editor_; }

private:
    bool CreateToolBar();
    bool CreateStatusBar();
    void CreateCrashMenu();
    void BindCrashCommands();
    void BindFrameCommands();

    QMdiArea* mdiArea_ = nullptr;
    QToolBar* toolBar_ = nullptr;
    QLabel* longitudePane_ = nullptr;
    QLabel* latitudePane_ = nullptr;
    QMenu* crashMenu_ = nullptr;
    CWizardBar* wizardBar_ = nullptr;
    std::int32_t cursorLongitude_ = 0;
    std::int32_t cursorLatitude_ = 0;
    // Started by the editor command; closed with the frame.
    platform::Process editor_;
};

}  // namespace trevalo
