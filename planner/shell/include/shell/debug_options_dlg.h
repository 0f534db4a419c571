// The "Debug Options" dialog: the application's debug switches, exchanged directly with
// its members.
#pragma once

#include <functional>

#include "qtplatform/data_exchange.h"
#include "shell/debug_options.h"

namespace trevalo {

enum DebugOptionsControl : int {
    kIdDrawMapMode = 1014,
    kIdDoNotLoadAirports = 1017,
    kIdDoNotLoadNavaids = 1020,
    kIdDoNotLoadIls = 1023,
    kIdLoadAllLandFile = 1029,
    kIdTriangleDraw = 1151,
    kIdRectangleSize = 1300,
};

class CDebugOptionsDlg : public qtplatform::ExchangeDialog {
public:
    // repaintMap runs when OK has taken the values.
    CDebugOptionsDlg(DebugOptions& options, std::function<void()> repaintMap, QWidget* parent = nullptr);

    void accept() override;

protected:
    void DoDataExchange(qtplatform::DataExchange& dx) override;

private:
    // Draw map mode and triangle draw exclude each other: the one just ticked stays.
    void OnDrawMapMode();
    void OnTriangleDraw();

    DebugOptions& options_;
    std::function<void()> repaintMap_;
};

}  // namespace trevalo
