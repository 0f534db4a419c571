#include "smoke_run.h"

#include <QApplication>
#include <QPixmap>
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "map/nav_database.h"
#include "qtplatform/text.h"
#include "shell/main_frame.h"
#include "shell/trevalo_app.h"
#include "shell/trevalo_doc.h"

namespace trevalo {
namespace {

constexpr const char* kSmokeSwitch = "--smoke";
constexpr const char* kScreenshotSwitch = "--screenshot=";

std::string Environment(const char* name) {
    const char* value = std::getenv(name);
    return value == nullptr ? std::string() : std::string(value);
}

}  // namespace

SmokeOptions ParseSmokeOptions(const QStringList& arguments) {
    SmokeOptions options;
    options.enabled = Environment("QUILLET_SMOKE") == "1";
    options.screenshot = Environment("QUILLET_SCREENSHOT");
    for (const QString& argument : arguments) {
        if (argument == kSmokeSwitch) options.enabled = true;
        if (argument.startsWith(kScreenshotSwitch))
            options.screenshot = qtplatform::FromQString(argument.mid(int(std::strlen(kScreenshotSwitch))));
    }
    if (!options.screenshot.empty()) options.enabled = true;
    return options;
}

int RunSmoke(CTrevaloApp& app, const SmokeOptions& options) {
    if (const CTrevaloDoc* document = app.Document()) {
        const NavDatabase& db = document->Database();
        const std::size_t ils = db.ils.empty() ? 0 : db.ils.size() - 1;
        std::printf(
            "Trevalo loaded from %s: %d airports (%d runway lines), %d navaids, %zu ILS, %zu land areas, "
            "%zu map tiles; load error %d\n",
            db.baseDirectory().c_str(), db.AirportIdentCount(), db.airportCount, db.navaidCount, ils,
            db.landAreas.size(), db.mapShapes.size(), ReportLoadError(false));
    }
    if (options.screenshot.empty()) return 0;
    QApplication::processEvents();
    const QPixmap shot = app.MainFrame()->grab();
    if (!shot.save(qtplatform::ToQString(options.screenshot), "PNG")) {
        std::fprintf(stderr, "Could not write the screenshot %s\n", options.screenshot.c_str());
        return 1;
    }
    std::printf("Screenshot written to %s\n", options.screenshot.c_str());
    return 0;
}

}  // namespace trevalo
