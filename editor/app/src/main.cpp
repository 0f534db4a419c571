// The adventure source editor Quillet. Its argument, when it names a file, is opened.
#include <QApplication>

#include "editor_app.h"
#include "qtplatform/application.h"
#include "qtplatform/message_box.h"

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    qtplatform::UseFileNumberFormat();
    qtplatform::InstallMessageBoxHandler();
    quillet::CEditorApp app;
    QStringList arguments = QApplication::arguments();
    arguments.removeFirst();
    if (!app.InitInstance(arguments)) return app.ExitInstance(1);
    return app.ExitInstance(QApplication::exec());
}
