#include "periphery/config_dlg.h"

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QToolButton>

#include "fsinstall/installation.h"
#include "fsinstall/sample_world.h"
#include "periphery/create_dir_dlg.h"
#include "platform/file_search.h"
#include "platform/message_box.h"
#include "qtplatform/control_ids.h"
#include "qtplatform/file_chooser.h"
#include "qtplatform/testing/qt_test.h"
#include "testing/temp_environment.h"

namespace trevalo {
namespace {

using qtplatform::FindControl;

class ConfigDlgTest : public ::testing::Test {
protected:
    void InstallFs2002(const std::string& plannerFolder = {}) {
        fsinstall::InstallationOptions options;
        options.folder = "C:\\FS2002";
        options.version = fsinstall::SimulatorVersion::Fs2002;
        options.plannerFlightsFolder = plannerFolder;
        ASSERT_TRUE(fsinstall::WriteInstallation(options, fsinstall::SampleWorld()));
    }
    void Open() {
        dialog_ = std::make_unique<CConfigDlg>();
        dialog_->show();
    }
    template <class T>
    T* Control(int id) {
        T* control = FindControl<T>(dialog_.get(), id);
        EXPECT_NE(control, nullptr) << id;
        return control;
    }
    QComboBox* Flights() { return Control<QComboBox>(CConfigDlg::kFlightsFolder); }
    QStringList FlightEntries() {
        QStringList entries;
        for (int i = 0; i < Flights()->count(); ++i) entries << Flights()->itemText(i);
        return entries;
    }

    platform::testing::TempEnvironment env_;
    platform::MessageBoxRecorder boxes_;
    Settings settings_;
    std::unique_ptr<CConfigDlg> dialog_;
};

TEST_F(ConfigDlgTest, ShowsTheSettingsAndDoneStoresEveryOne) {
    InstallFs2002("Quillet Adventures");
    settings_.WriteInt(SettingId::CheckDay, 45);
    settings_.WriteString(SettingId::AutoTab, "0");
    Open();
    EXPECT_EQ(dialog_->windowTitle(), "Configuration");
    EXPECT_EQ(Control<QLineEdit>(CConfigDlg::kBaseDirectory)->text(), "C:\\Quillet\\");
    EXPECT_EQ(Control<QLineEdit>(CConfigDlg::kEditor)->text(), "C:\\Quillet\\Quillet.exe");
    EXPECT_EQ(Control<QComboBox>(CConfigDlg::kMoveToDir)->currentText(), "\\Other");
    EXPECT_EQ(Control<QComboBox>(CConfigDlg::kCheckDays)->currentText(), "60");
    EXPECT_FALSE(Control<QCheckBox>(CConfigDlg::kAutoTab)->isChecked());
    EXPECT_EQ(FlightEntries(), (QStringList{"Adventures", "Lessons", "Myflts", "Quillet Adventures"}));
    EXPECT_EQ(Flights()->currentText(), "Quillet Adventures");
    EXPECT_TRUE(Flights()->isEnabled());

    qtplatform::FileChooserRecorder chooser({std::string("D:\\Tools\\Wx.exe")});
    Control<QPushButton>(CConfigDlg::kBrowseWeather)->click();
    ASSERT_EQ(chooser.requests().size(), 1u);
    EXPECT_EQ(chooser.requests()[0].filter, "Valid Weather App(Wx.exe)|Wx.exe||");
    EXPECT_EQ(chooser.requests()[0].initialFolder, "C:\\Quillet\\");
    Control<QCheckBox>(CConfigDlg::kAutoTab)->setChecked(true);
    Control<QCheckBox>(CConfigDlg::kCheckVersion)->setChecked(true);
    Control<QComboBox>(CConfigDlg::kMoveToDir)->setCurrentIndex(1);
    Control<QLineEdit>(CConfigDlg::kSeconds)->setText("25");
    Flights()->setCurrentIndex(1);
    dialog_->accept();

    EXPECT_EQ(settings_.ReadString(SettingId::Weather), "D:\\Tools\\Wx.exe");
    EXPECT_EQ(settings_.ReadString(SettingId::AutoTab), "1");
    EXPECT_EQ(settings_.ReadInt(SettingId::Check), 1);
    EXPECT_EQ(settings_.ReadInt(SettingId::CheckDay), 60);
    EXPECT_EQ(settings_.ReadString(SettingId::MoveToDir), "1");
    EXPECT_EQ(settings_.ReadString(SettingId::RealMovePlaneUpdt), "25");
    EXPECT_EQ(settings_.ReadString(SettingId::Fs2k2MoveTo), "Lessons");
    EXPECT_TRUE(boxes_.texts().empty());
}

TEST_F(ConfigDlgTest, CancelWritesNothing) {
    InstallFs2002();
    settings_.WriteString(SettingId::Editor, "C:\\Quillet\\Quillet.exe");
    const std::string before = env_.readFile(env_.settingsDir() / "current-user.reg");
    Open();
    Control<QCheckBox>(CConfigDlg::kAutoTab)->setChecked(false);
    Control<QLineEdit>(CConfigDlg::kSeconds)->setText("3");
    dialog_->reject();
    EXPECT_EQ(env_.readFile(env_.settingsDir() / "current-user.reg"), before);
}

TEST_F(ConfigDlgTest, TheSwitchesKeepTheirRules) {
    Open();
    // Moving the adventure needs it created: the tick comes back with the message.
    auto* create = Control<QCheckBox>(CConfigDlg::kAutoCreate);
    create->click();
    EXPECT_TRUE(create->isChecked());
    EXPECT_EQ(boxes_.texts(), std::vector<std::string>{kMoveNeedsCreateMessage});
    Control<QCheckBox>(CConfigDlg::kMoveAdv)->click();
    EXPECT_FALSE(Control<QComboBox>(CConfigDlg::kMoveToDir)->isEnabled());
    create->click();
    EXPECT_FALSE(create->isChecked());

    auto* seconds = Control<QLineEdit>(CConfigDlg::kSeconds);
    seconds->setFocus();
    seconds->selectAll();
    QTest::keyClicks(seconds, "75");
    EXPECT_EQ(seconds->text(), "60");
    const QList<QToolButton*> arrows = Control<QWidget>(CConfigDlg::kSecondsSpin)->findChildren<QToolButton*>();
    ASSERT_EQ(arrows.size(), 2);
    arrows[0]->click();
    EXPECT_EQ(seconds->text(), "60");
    seconds->setText("0");
    arrows[1]->click();
    EXPECT_EQ(seconds->text(), "0");
    arrows[0]->click();
    EXPECT_EQ(seconds->text(), "1");
    Control<QCheckBox>(CConfigDlg::kRealTime)->click();
    EXPECT_FALSE(seconds->isEnabled());
}

TEST_F(ConfigDlgTest, WithoutFs2002TheFlightsListIsEmptyAndStoredEmpty) {
    Open();
    EXPECT_EQ(Flights()->count(), 0);
    EXPECT_FALSE(Flights()->isEnabled());
    dialog_->accept();
    EXPECT_EQ(settings_.ReadString(SettingId::Fs2k2MoveTo), "");
}

TEST_F(ConfigDlgTest, ANewFlightsFolderIsMadeInsideTheFlightsFolderOnly) {
    InstallFs2002();
    settings_.WriteString(SettingId::Fs2k2MoveTo, "Gone");
    Open();
    // A stored folder that is no longer there: the first entry.
    EXPECT_EQ(Flights()->currentText(), "Adventures");

    const char* refused[] = {"..\\..\\x", "a\\b", "C:x", "..", " Trips", "Trips.", "Lessons"};
    for (const char* name : refused) {
        SCOPED_TRACE(name);
        boxes_.clear();
        CCreateDirDlg create;
        create.show();
        FindControl<QLineEdit>(&create, CCreateDirDlg::kName)->setText(QString::fromLatin1(name));
        create.accept();
        EXPECT_TRUE(create.isVisible());
        EXPECT_EQ(boxes_.texts(), std::vector<std::string>{kCreateFolderFailedMessage});
    }
    EXPECT_FALSE(platform::FileExists("C:\\x"));
    EXPECT_FALSE(platform::FileExists("C:\\FS2002\\flights\\a"));

    boxes_.clear();
    qtplatform::testing::WhenModalShown([](QWidget* modal) {
        FindControl<QLineEdit>(modal, CCreateDirDlg::kName)->setText(QStringLiteral("New Trips"));
        qobject_cast<QDialog*>(modal)->accept();
    });
    Control<QPushButton>(CConfigDlg::kNewFlightsFolder)->click();
    EXPECT_EQ(boxes_.texts(), std::vector<std::string>{kFolderCreatedMessage});
    EXPECT_TRUE(platform::FileExists("C:\\FS2002\\flights\\New Trips"));
    EXPECT_EQ(Flights()->currentText(), "New Trips");
}

}  // namespace
}  // namespace trevalo
