// Wx's start-up in the test's process: the rules file looked for in the base directory,
// the weather file taken from the arguments, the main dialog run until it closes.
#include "wxapp/wx_app.h"

#include <gtest/gtest.h>

#include <QDialog>
#include <QLabel>

#include "platform/files.h"
#include "platform/message_box.h"
#include "platform/settings_store.h"
#include "qtplatform/testing/qt_test.h"
#include "testing/temp_environment.h"
#include "wxapp/about_wx_dlg.h"
#include "wxapp/wx_dlg.h"

namespace wxapp {
namespace {

constexpr const char* kRulesMissing =
    "The 'rul' file could not be located.\nPlease ensure that it is located in your base directory\n( default "
    "C:\\Quillet\\)";

// Runs Wx with the arguments and closes its main dialog as soon as it shows; the path of
// the file it had open.
std::string RunAndClose(CWxApp& app, const std::vector<std::string>& arguments) {
    std::string opened;
    qtplatform::testing::WhenModalShown([&opened](QWidget* modal) {
        auto* dialog = dynamic_cast<CWxDlg*>(modal);
        ASSERT_NE(dialog, nullptr);
        opened = dialog->CurrentFile();
        dialog->close();
    });
    EXPECT_EQ(app.Run(arguments), 0);
    return opened;
}

TEST(WxApp, FindsTheRulesInTheBaseDirectory) {
    platform::testing::TempEnvironment env;
    platform::MessageBoxRecorder boxes;
    ASSERT_TRUE(platform::Profile("Quillet Applications", "Quillet").WriteString("FILES", "Directory", "D:\\Suite"));
    CWxApp app;
    EXPECT_EQ(RunAndClose(app, {}), "");
    EXPECT_EQ(app.RulesPath(), "D:\\Suite\\AdvWx.rul");
    EXPECT_EQ(boxes.texts(), (std::vector<std::string>{kRulesMissing}));

    boxes.clear();
    env.writeFile("drive_d/Suite/AdvWx.rul", "[winds]\r\nmax=3\r\n");
    ASSERT_TRUE(platform::CreateDirectory("C:\\Weather Files"));
    EXPECT_EQ(RunAndClose(app, {"-x", "l:C:\\Weather Files\\a.wx"}), "C:\\Weather Files\\a.wx");
    EXPECT_TRUE(boxes.texts().empty());
    EXPECT_TRUE(platform::FileSize("C:\\Weather Files\\a.wx").has_value());
}

TEST(WxApp, TheAboutBoxNamesTheVersion) {
    CAboutWxDlg about;
    about.show();
    EXPECT_EQ(about.windowTitle(), "About Wx");
    std::vector<std::string> texts;
    for (const QLabel* label : about.findChildren<QLabel*>()) texts.push_back(label->text().toStdString());
    EXPECT_EQ(texts, (std::vector<std::string>{"Wx Version 1.0"}));
}

}  // namespace
}  // namespace wxapp
