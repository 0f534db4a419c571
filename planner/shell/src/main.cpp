// The planner Trevalo.
#include <QApplication>

#include "qtplatform/application.h"
#include "qtplatform/message_box.h"
#include "shell/trevalo_app.h"
#include "smoke_run.h"

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    qtplatform::UseFileNumberFormat();
    const trevalo::SmokeOptions smoke = trevalo::ParseSmokeOptions(QApplication::arguments());
    // A smoke run answers every message box on standard error with its default button.
    if (!smoke.enabled) qtplatform::InstallMessageBoxHandler();

    trevalo::CTrevaloApp app;
    if (smoke.enabled) app.SkipStartupDialogs();
    if (!app.InitInstance()) return app.ExitInstance(1);
    if (smoke.enabled) return app.ExitInstance(trevalo::RunSmoke(app, smoke));
    return app.ExitInstance(QApplication::exec());
}
