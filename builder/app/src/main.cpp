// The database builder Gathrel.
#include <QApplication>

#include "gathrelapp/loader_app.h"
#include "qtplatform/application.h"
#include "qtplatform/message_box.h"

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    qtplatform::UseFileNumberFormat();
    qtplatform::InstallMessageBoxHandler();
    return gathrelapp::CLoaderApp().Run();
}
