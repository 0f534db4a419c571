// Start-up as the user meets it: the file of the command line opened, the bars showing
// its commands' states, then the tip of the day, which Help shows again.
#include <QCheckBox>
#include <QDialog>
#include <QLabel>

#include "command_ids.h"
#include "editor_fixture.h"
#include "periphery/tip_dlg.h"
#include "qtplatform/control_ids.h"

namespace quillet::testing {
namespace {

using qtplatform::FindControl;
using qtplatform::testing::WhenModalShown;

class StartUpTest : public EditorTest {
protected:
    void SetUp() override {}  // each test starts the editor itself

    // The tip dialog's title and text; its start-up box set as given before it closes.
    struct Shown {
        std::string title;
        std::string tip;
        std::size_t documents = 0;
        bool saveEnabled = false;
    };
    void CloseTipWhenShown(Shown& shown, bool showAtStartUp) {
        WhenModalShown([this, &shown, showAtStartUp](QWidget* modal) {
            shown.title = modal->windowTitle().toStdString();
            if (auto* text = FindControl<QLabel>(modal, trevalo::CTipDlg::kTipText))
                shown.tip = text->text().toStdString();
            shown.documents = app_.Documents().size();
            shown.saveEnabled = qtplatform::FindCommand(app_.MainFrame(), kCmdFileSave)->isEnabled();
            if (auto* box = FindControl<QCheckBox>(modal, trevalo::CTipDlg::kShowAtStartUp))
                box->setChecked(showAtStartUp);
            static_cast<QDialog*>(modal)->accept();
        });
    }
};

TEST_F(StartUpTest, TheTipFollowsTheCommandLinesFileAndHelpShowsTheNextOne) {
    // The editor finds AdvTip.txt through the base directory it reads itself.
    settings_.WriteString(trevalo::SettingId::Directory, "C:\\Data");
    WriteSource("Data/AdvTip.txt", "; the tips\r\nFirst tip\r\nSecond tip\r\n");
    const std::string source = WriteSource("Adv/Flight.txt", "start:\r\n");
    Shown atStart, fromHelp;
    CloseTipWhenShown(atStart, true);
    ASSERT_TRUE(app_.InitInstance({QString::fromStdString(source)}));
    EXPECT_EQ(atStart.title, "Tip of the Day");
    EXPECT_EQ(atStart.tip, "First tip");
    EXPECT_EQ(atStart.documents, 1u);
    EXPECT_TRUE(atStart.saveEnabled);

    CloseTipWhenShown(fromHelp, false);
    ASSERT_TRUE(Run(kCmdTipOfTheDay));
    EXPECT_EQ(fromHelp.tip, "Second tip");
    EXPECT_EQ(settings_.ReadInt(trevalo::SettingId::TipStartUp), 1);
    EXPECT_TRUE(boxes_.texts().empty());
}

}  // namespace
}  // namespace quillet::testing
