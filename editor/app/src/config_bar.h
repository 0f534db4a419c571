// The configuration bar: Compile, Configuration, NavAids and Launch Wizard. Compile runs
// the adventure compiler on the current document and lists the result in the build bar;
// Launch Wizard starts the planner, or brings the one it started to the front.
#pragma once

#include <QToolBar>

#include "platform/process.h"

namespace quillet {

class CEditorApp;
class CMainFrame;

inline constexpr const char* kWizardMissingMessage = "Cannot locate the wizard\nPlease Update your Files";

class CConfigBar : public QToolBar {
public:
    CConfigBar(CMainFrame& frame, CEditorApp& app);

    // Puts the buttons on the bar and binds Compile and Launch Wizard; false when a
    // command is missing.
    bool Create();

    void OnCompile();
    void OnLaunchWizard();

    platform::Process& Planner() { return planner_; }

private:
    // The current document saved under a path of its own; false when the build stops.
    bool SaveForBuild();

    CMainFrame& frame_;
    CEditorApp& app_;
    // Started by Launch Wizard; kept until the program ends.
    platform::Process planner_;
};

}  // namespace quillet
