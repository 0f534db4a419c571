// The "Debug Options" dialog: the application's debug switches, exchanged directly with
// its members.
#pragma once

#include <functional>

#include "qtplatform/dialog.h"
#include "shell/debug_options.h"

namespace trevalo {

class CDebugOptionsDlg : public qtplatform::Dialog {
public:
    enum Control : int {
        kDrawMapMode = 1014,
        kDoNotLoadAirports = 1017,
        kDoNotLoadNavaids = 1020,
        kDoNotLoadIls = 1023,
        kLoadAllLandFile = 1029,
        kTriangleDraw = 1151,
        kRectangleSize = 1300,
    };

    // repaintMap runs when OK has taken the values.
    CDebugOptionsDlg(DebugOptions& options, std::function<void()> repaintMap, QWidget* parent = nullptr);

protected:
    void DoDataExchange(qtplatform::DataExchange& dx) override;
    void OnOK() override;

private:
    // Draw map mode and triangle draw exclude each other: the one just ticked stays.
    void OnDrawMapMode();
    void OnTriangleDraw();

    DebugOptions& options_;
    std::function<void()> repaintMap_;
};

}  // namespace trevalo
