// The weather editor Wx.
#include <QApplication>
#include <string>
#include <vector>

#include "qtplatform/application.h"
#include "qtplatform/message_box.h"
#include "wxapp/wx_app.h"

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    qtplatform::UseFileNumberFormat();
    qtplatform::InstallMessageBoxHandler();
    // The arguments as given, after the program's name.
    const std::vector<std::string> arguments(argv + (argc > 0 ? 1 : 0), argv + argc);
    return wxapp::CWxApp().Run(arguments);
}
