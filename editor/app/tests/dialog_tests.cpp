// The configuration dialog and the command editor as the user runs them.
#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTextBlock>
#include <QTextLayout>
#include <filesystem>

#include "add_command_dlg.h"
#include "cmd_editor_dlg.h"
#include "command_ids.h"
#include "editor_config_dlg.h"
#include "editor_fixture.h"
#include "qtplatform/control_ids.h"
#include "qtplatform/file_chooser.h"
#include "qtplatform/report_list.h"
#include "quillet/command_list.h"

namespace quillet::testing {
namespace {

using platform::MbResult;
using qtplatform::FindControl;
using qtplatform::testing::WhenModalShown;
using trevalo::SettingId;

class ConfigDialogTest : public EditorTest {
protected:
    explicit ConfigDialogTest(std::vector<MbResult> answers = {}) : EditorTest(std::move(answers)) {}

    // Runs the dialog, types the directory and presses "&Done".
    void RunWithDirectory(const char* directory, const std::function<void(QWidget*)>& more = {}) {
        WhenModalShown([=](QWidget* modal) {
            FindControl<QLineEdit>(modal, CEditorConfigDlg::kDirectory)->setText(QString::fromLatin1(directory));
            if (more) more(modal);
            static_cast<QDialog*>(modal)->accept();
        });
        ASSERT_TRUE(Run(kCmdShortcutFiles));
    }
};

TEST_F(ConfigDialogTest, AnExistingFolderIsStoredWithItsBackslashAndLeftUntouched) {
    WriteSource("Data/000000.txt", "a user's file");
    CQuilletDoc& document = Open(WriteSource("Adv/A.txt", ""));
    qtplatform::FileChooserRecorder files({"C:\\Tools\\Duze32.exe"});
    RunWithDirectory("C:\\Data", [](QWidget* modal) {
        FindControl<QCheckBox>(modal, CEditorConfigDlg::kAutoTab)->setChecked(false);
        FindControl<QPushButton>(modal, CEditorConfigDlg::kBrowseCompiler)->click();
    });
    EXPECT_EQ(settings_.ReadString(SettingId::Directory), "C:\\Data\\");
    EXPECT_EQ(ReadHost("Data/000000.txt"), "a user's file");
    EXPECT_TRUE(std::filesystem::exists(env_.driveC() / "Data" / kCommandFileName));
    EXPECT_EQ(app_.GetCommandList().Path(), "C:\\Data\\CmdFile.cmd");
    EXPECT_EQ(settings_.ReadString(SettingId::AutoTab), "0");
    EXPECT_FALSE(ViewOf(document).AutoTabOn());
    EXPECT_EQ(settings_.ReadString(SettingId::AdventureBuild), "C:\\Tools\\Duze32.exe");
    ASSERT_EQ(files.requests().size(), 1u);
    EXPECT_EQ(files.requests().front().filter,
              "Valid Compiler (Duze.exe)|Duze.exe|Valid Compiler (Duze32.exe)|Duze32.exe||");
    EXPECT_TRUE(boxes_.texts().empty());
}

class ConfigDialogNoTest : public ConfigDialogTest {
protected:
    ConfigDialogNoTest() : ConfigDialogTest({MbResult::No}) {}
};

TEST_F(ConfigDialogNoTest, AMissingFolderIsLeftAsItWasWhenTheUserSaysNo) {
    RunWithDirectory("C:\\Missing");
    EXPECT_EQ(boxes_.texts(), std::vector<std::string>{kDirectoryMissingQuestion});
    EXPECT_EQ(settings_.ReadString(SettingId::Directory), "C:\\Quillet\\");
    EXPECT_FALSE(std::filesystem::exists(env_.driveC() / "Missing"));
}

class ConfigDialogYesTest : public ConfigDialogTest {
protected:
    ConfigDialogYesTest() : ConfigDialogTest({MbResult::Yes}) {}
};

TEST_F(ConfigDialogYesTest, AMissingFolderIsMadeWhenTheUserAgrees) {
    RunWithDirectory("C:\\Made\\Here");
    EXPECT_EQ(settings_.ReadString(SettingId::Directory), "C:\\Made\\Here\\");
    EXPECT_TRUE(std::filesystem::is_directory(env_.driveC() / "Made/Here"));
}

class CommandEditorTest : public EditorTest {
protected:
    CommandEditorTest() : EditorTest({MbResult::Ok, MbResult::Yes, MbResult::Yes}) {}

    static std::vector<std::string> Names(QWidget* dialog) {
        auto* list = FindControl<qtplatform::ReportList>(dialog, CCmdEditorDlg::kList);
        std::vector<std::string> names;
        for (int row = 0; row < list->RowCount(); ++row) names.push_back(list->Cell(row, 0) + "|" + list->Cell(row, 1));
        return names;
    }
};

TEST_F(CommandEditorTest, CommandsAreAddedAndDeletedAndTheDocumentRecoloured) {
    WriteSource("Quillet/CmdFile.cmd", CommandField("IF") + "\r\n" + CommandField("WAIT") + "TRIGGER\r\n");
    app_.LoadCommandList();
    CQuilletDoc& document = Open(WriteSource("Adv/A.txt", "gosub x\r\n"));
    std::vector<std::string> before, afterAdd, afterDelete;
    bool deleteEnabledAtFirst = true;
    WhenModalShown([&](QWidget* editor) {
        before = Names(editor);
        auto* remove = FindControl<QPushButton>(editor, CCmdEditorDlg::kDelete);
        deleteEnabledAtFirst = remove->isEnabled();
        WhenModalShown([](QWidget* add) {
            FindControl<QLineEdit>(add, CAddCommandDlg::kName)->setText(QStringLiteral("gosub"));
            static_cast<QDialog*>(add)->accept();
        });
        FindControl<QPushButton>(editor, CCmdEditorDlg::kAdd)->click();
        afterAdd = Names(editor);
        FindControl<qtplatform::ReportList>(editor, CCmdEditorDlg::kList)->SelectRow(0);
        remove->click();
        afterDelete = Names(editor);
        static_cast<QDialog*>(editor)->accept();
    });
    ASSERT_TRUE(Run(kCmdCommands));
    EXPECT_FALSE(deleteEnabledAtFirst);
    EXPECT_EQ(before, (std::vector<std::string>{CommandField("IF") + "|", CommandField("WAIT") + "|TRIGGER"}));
    EXPECT_EQ(afterAdd.back(), CommandField("GOSUB") + "|");
    EXPECT_EQ(afterDelete, (std::vector<std::string>{CommandField("WAIT") + "|TRIGGER", CommandField("GOSUB") + "|"}));
    EXPECT_EQ(ReadHost("Quillet/CmdFile.cmd"), CommandField("WAIT") + "TRIGGER\r\n" + CommandField("GOSUB") + "\r\n");
    EXPECT_EQ(boxes_.texts(), (std::vector<std::string>{kCommandAddedMessage, kDeleteQuestion,
                                                        "Would you like to reload the current Document"}));
    const QTextBlock first = EditOf(document).document()->firstBlock();
    ASSERT_FALSE(first.layout()->formats().isEmpty());
    EXPECT_EQ(first.layout()->formats().front().format.foreground().color(), QColor(0, 0, 255));
}

TEST_F(CommandEditorTest, ALongEntryIsShownWhole) {
    const std::string type(300, 'T');
    WriteSource("Quillet/CmdFile.cmd", CommandField("IF") + type + "\r\n");
    app_.LoadCommandList();
    std::vector<std::string> shown;
    WhenModalShown([&](QWidget* editor) {
        shown = Names(editor);
        static_cast<QDialog*>(editor)->accept();
    });
    ASSERT_TRUE(Run(kCmdCommands));
    EXPECT_EQ(shown, std::vector<std::string>{CommandField("IF") + "|" + type});
}

TEST_F(CommandEditorTest, ANameAddedTwiceIsRefused) {
    AddCommandResult first = app_.GetCommandList().AddCommand("GOSUB");
    ASSERT_EQ(first, AddCommandResult::Added);
    CAddCommandDlg dialog(app_.GetCommandList(), app_.MainFrame());
    WhenModalShown([](QWidget* add) {
        FindControl<QLineEdit>(add, CAddCommandDlg::kName)->setText(QStringLiteral("GOSUB"));
        static_cast<QDialog*>(add)->accept();
    });
    dialog.exec();
    EXPECT_FALSE(dialog.Added());
    EXPECT_EQ(boxes_.texts(), std::vector<std::string>{kCommandExistsMessage});
}

}  // namespace
}  // namespace quillet::testing
