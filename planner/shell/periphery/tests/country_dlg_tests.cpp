#include "periphery/country_dlg.h"

#include <gtest/gtest.h>

#include <QPushButton>
#include <filesystem>

#include "platform/message_box.h"
#include "qtplatform/control_ids.h"
#include "qtplatform/report_list.h"
#include "testing/temp_environment.h"

namespace trevalo {
namespace {

using qtplatform::FindControl;
using qtplatform::ReportList;

constexpr const char* kCountryFile = "drive_c/Quillet/Country.nav";

class CountryDlgTest : public ::testing::Test {
protected:
    void Open() {
        dialog_ = std::make_unique<CCountryDlg>("C:\\Quillet\\");
        dialog_->show();
    }
    ReportList* List(int id) { return FindControl<ReportList>(dialog_.get(), id); }
    QPushButton* Button(int id) { return FindControl<QPushButton>(dialog_.get(), id); }
    std::vector<std::string> Rows(int id) {
        std::vector<std::string> rows;
        for (int row = 0; row < List(id)->RowCount(); ++row) rows.push_back(List(id)->Cell(row, 0));
        return rows;
    }
    std::string File() { return env_.readFile(env_.root() / kCountryFile); }

    platform::testing::TempEnvironment env_;
    std::unique_ptr<CCountryDlg> dialog_;
};

using Names = std::vector<std::string>;

TEST_F(CountryDlgTest, ListsTheFileAndWritesTheMovesOnOk) {
    env_.writeFile(kCountryFile, "5\r\nSwitzerland\t1\r\n\r\nFrance\t0\r\n  Italy  \r\nSpain\t1xyz\r\n");
    platform::MessageBoxRecorder boxes;
    Open();
    EXPECT_EQ(dialog_->windowTitle(), "Country / State");
    EXPECT_EQ(Rows(CCountryDlg::kLoaded), (Names{"Switzerland", "Italy", "Spain"}));
    EXPECT_EQ(Rows(CCountryDlg::kNotLoaded), (Names{"France"}));
    EXPECT_FALSE(Button(CCountryDlg::kAdd)->isEnabled());
    EXPECT_FALSE(Button(CCountryDlg::kRemove)->isEnabled());

    List(CCountryDlg::kLoaded)->SelectRow(2);
    List(CCountryDlg::kLoaded)->topLevelItem(0)->setSelected(true);
    EXPECT_TRUE(Button(CCountryDlg::kRemove)->isEnabled());
    Button(CCountryDlg::kRemove)->click();
    EXPECT_EQ(Rows(CCountryDlg::kLoaded), (Names{"Italy"}));
    EXPECT_EQ(Rows(CCountryDlg::kNotLoaded), (Names{"France", "Switzerland", "Spain"}));
    List(CCountryDlg::kNotLoaded)->SelectRow(0);
    EXPECT_TRUE(Button(CCountryDlg::kAdd)->isEnabled());
    EXPECT_FALSE(Button(CCountryDlg::kRemove)->isEnabled());
    Button(CCountryDlg::kAdd)->click();
    dialog_->accept();
    EXPECT_EQ(File(), "4\r\nItaly\t1\r\nFrance\t1\r\nSwitzerland\t0\r\nSpain\t0\r\n");
    EXPECT_TRUE(boxes.texts().empty());
}

TEST_F(CountryDlgTest, EveryCountryOutAsksFirstAndCancelWritesNothing) {
    const std::string before = "2\r\nSwitzerland\t1\r\nFrance\t1\r\n";
    env_.writeFile(kCountryFile, before);
    platform::MessageBoxRecorder boxes({platform::MbResult::No, platform::MbResult::Yes});
    Open();
    Button(CCountryDlg::kRemoveAll)->click();
    EXPECT_EQ(Rows(CCountryDlg::kLoaded), Names{});
    dialog_->accept();  // No: stays
    EXPECT_TRUE(dialog_->isVisible());
    EXPECT_EQ(File(), before);
    dialog_->accept();  // Yes
    EXPECT_EQ(boxes.texts(), (std::vector<std::string>{kNoCountryLoadedQuestion, kNoCountryLoadedQuestion}));
    EXPECT_EQ(File(), "2\r\nSwitzerland\t0\r\nFrance\t0\r\n");

    Open();
    Button(CCountryDlg::kAddAll)->click();
    dialog_->reject();
    EXPECT_EQ(File(), "2\r\nSwitzerland\t0\r\nFrance\t0\r\n");
}

TEST_F(CountryDlgTest, AFileThatCannotBeWrittenIsReportedAndTheDialogStays) {
    const auto host = env_.writeFile(kCountryFile, "1\r\nSwitzerland\t1\r\n");
    std::filesystem::permissions(host, std::filesystem::perms::owner_write, std::filesystem::perm_options::remove);
    platform::MessageBoxRecorder boxes;
    Open();
    Button(CCountryDlg::kRemoveAll)->click();
    Button(CCountryDlg::kAddAll)->click();
    dialog_->accept();
    EXPECT_EQ(boxes.texts(), std::vector<std::string>{kCountryWriteFailedMessage});
    EXPECT_TRUE(dialog_->isVisible());
    EXPECT_EQ(File(), "1\r\nSwitzerland\t1\r\n");
}

TEST_F(CountryDlgTest, WithoutAFileTheListsAreEmptyAndNothingIsWritten) {
    platform::MessageBoxRecorder boxes({platform::MbResult::Yes});
    Open();
    EXPECT_EQ(List(CCountryDlg::kLoaded)->RowCount(), 0);
    dialog_->accept();
    EXPECT_FALSE(std::filesystem::exists(env_.root() / kCountryFile));
}

}  // namespace
}  // namespace trevalo
