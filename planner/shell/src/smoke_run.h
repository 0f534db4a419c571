// A run that loads, reports what loaded on standard output and quits: for scripts and CI
// ("--smoke" or QUILLET_SMOKE=1), optionally saving the main window as a PNG first
// ("--screenshot=<file>" or QUILLET_SCREENSHOT=<file>).
#pragma once

#include <QStringList>
#include <string>

namespace trevalo {

class CTrevaloApp;

struct SmokeOptions {
    bool enabled = false;
    std::string screenshot;  // empty: none
};

SmokeOptions ParseSmokeOptions(const QStringList& arguments);

// Returns the exit code: 0, or 1 when the screenshot could not be written.
int RunSmoke(CTrevaloApp& app, const SmokeOptions& options);

}  // namespace trevalo
