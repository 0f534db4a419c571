#include "shell/debug_options_dlg.h"

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QLineEdit>

#include "qtplatform/control_ids.h"

namespace trevalo {
namespace {

class DebugOptionsDlgTest : public ::testing::Test {
protected:
    DebugOptionsDlgTest() : dialog_(options_, [this] { ++repaints_; }) { dialog_.show(); }

    QCheckBox* Box(int id) { return qtplatform::FindControl<QCheckBox>(&dialog_, id); }
    QLineEdit* SizeEdit() { return qtplatform::FindControl<QLineEdit>(&dialog_, CDebugOptionsDlg::kRectangleSize); }

    DebugOptions options_;
    int repaints_ = 0;
    CDebugOptionsDlg dialog_;
};

TEST_F(DebugOptionsDlgTest, ShowsTheMembersWithTheRectangleSizeOfEight) {
    EXPECT_EQ(dialog_.windowTitle(), "Debug Options");
    for (int id :
         {CDebugOptionsDlg::kDrawMapMode, CDebugOptionsDlg::kDoNotLoadAirports, CDebugOptionsDlg::kDoNotLoadNavaids,
          CDebugOptionsDlg::kDoNotLoadIls, CDebugOptionsDlg::kLoadAllLandFile, CDebugOptionsDlg::kTriangleDraw}) {
        ASSERT_NE(Box(id), nullptr) << id;
        EXPECT_FALSE(Box(id)->isChecked()) << id;
    }
    EXPECT_EQ(SizeEdit()->text(), "8");
}

TEST_F(DebugOptionsDlgTest, DrawMapModeAndTriangleDrawExcludeEachOther) {
    struct Case {
        int first, second;
    };
    const Case cases[] = {{CDebugOptionsDlg::kDrawMapMode, CDebugOptionsDlg::kTriangleDraw},
                          {CDebugOptionsDlg::kTriangleDraw, CDebugOptionsDlg::kDrawMapMode}};
    for (const Case& c : cases) {
        options_ = DebugOptions{};
        dialog_.UpdateData(false);
        Box(c.first)->click();
        Box(c.second)->click();
        EXPECT_TRUE(Box(c.second)->isChecked()) << c.second;
        EXPECT_FALSE(Box(c.first)->isChecked()) << c.first;
    }
    // The clicks already stored the values, so Cancel keeps them.
    dialog_.reject();
    EXPECT_EQ(options_.drawMapMode, 1);
    EXPECT_EQ(options_.triangleDraw, 0);
    EXPECT_EQ(repaints_, 0);
}

TEST_F(DebugOptionsDlgTest, OkTakesTheValuesAndRepaintsTheMap) {
    Box(CDebugOptionsDlg::kDoNotLoadIls)->setChecked(true);
    SizeEdit()->setText("12");
    dialog_.accept();
    EXPECT_EQ(options_.doNotLoadIls, 1);
    EXPECT_EQ(options_.rectangleSize, 12);
    EXPECT_EQ(repaints_, 1);
    EXPECT_EQ(dialog_.result(), QDialog::Accepted);
}

}  // namespace
}  // namespace trevalo
