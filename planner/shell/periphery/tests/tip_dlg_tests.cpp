#include <gtest/gtest.h>

#include <QCheckBox>
#include <QCoreApplication>
#include <QEvent>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>

#include "periphery/edit_tip_dlg.h"
#include "periphery/tip_dlg.h"
#include "platform/message_box.h"
#include "qtplatform/control_ids.h"
#include "qtplatform/testing/qt_test.h"
#include "shell/settings.h"
#include "testing/temp_environment.h"

namespace trevalo {
namespace {

using qtplatform::FindControl;

constexpr const char* kTipsPath = "C:\\Quillet\\AdvTip.txt";
constexpr const char* kTipsFile = "drive_c/Quillet/AdvTip.txt";

class TipDlgTest : public ::testing::Test {
protected:
    platform::testing::TempEnvironment env_;
    Settings settings_;
};

TEST_F(TipDlgTest, NextTipShowsTheFollowingTipAndCloseStoresTheStartUpBox) {
    env_.writeFile(kTipsFile, "First tip\r\n; comment\r\nSecond tip\r\n");
    CTipDlg dialog(kTipsPath);
    dialog.show();
    EXPECT_EQ(dialog.windowTitle(), "Tip of the Day");
    auto* text = FindControl<QLabel>(&dialog, CTipDlg::kTipText);
    auto* next = FindControl<QPushButton>(&dialog, CTipDlg::kNextTip);
    auto* startUp = FindControl<QCheckBox>(&dialog, CTipDlg::kShowAtStartUp);
    ASSERT_NE(text, nullptr);
    ASSERT_NE(next, nullptr);
    ASSERT_NE(startUp, nullptr);
    EXPECT_EQ(text->text(), "First tip");
    EXPECT_TRUE(startUp->isChecked());
    ASSERT_TRUE(next->isEnabled());
    next->click();
    EXPECT_EQ(text->text(), "Second tip");
    next->click();
    EXPECT_EQ(text->text(), "First tip");

    startUp->setChecked(false);
    dialog.accept();
    EXPECT_EQ(settings_.ReadInt(SettingId::TipStartUp), 1);
}

// The buttons stay under the mouse: the dialog is sized once, for the longest tip, which
// is shown whole at opening and after Next Tip.
TEST_F(TipDlgTest, KeepsOneSizeThatShowsTheLongestTipWhole) {
    std::string words;
    for (int i = 0; i < 120; ++i) words += "tip" + std::to_string(i) + " ";
    env_.writeFile(kTipsFile, words + "\r\nShort\r\nA tip of a few more words than the short one\r\n");
    CTipDlg dialog(kTipsPath);
    dialog.show();
    auto* text = FindControl<QLabel>(&dialog, CTipDlg::kTipText);
    auto* next = FindControl<QPushButton>(&dialog, CTipDlg::kNextTip);
    ASSERT_NE(text, nullptr);
    ASSERT_NE(next, nullptr);
    const auto settle = [] { QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest); };
    settle();
    const QSize size = dialog.size();
    const QPoint button = next->mapTo(&dialog, QPoint());
    for (int shown = 0; shown < 6; ++shown) {
        SCOPED_TRACE("showing " + std::to_string(shown));
        if (shown % 3 == 0) {
            EXPECT_EQ(text->text().toStdString(), words);
        }
        EXPECT_GE(text->height(), text->heightForWidth(text->width()));
        EXPECT_EQ(dialog.size(), size);
        EXPECT_EQ(next->mapTo(&dialog, QPoint()), button);
        next->click();
        settle();
    }
}

TEST_F(TipDlgTest, WithoutATipNextTipIsDisabled) {
    struct Case {
        const char* name;
        const char* bytes;  // null: no file
        const char* shown;
    };
    const Case cases[] = {{"missing file", nullptr, kTipsNotFoundText}, {"comments only", ";\r\n;\r\n", kNoTipsText}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        if (c.bytes != nullptr) env_.writeFile(kTipsFile, c.bytes);
        CTipDlg dialog(kTipsPath);
        dialog.show();
        EXPECT_EQ(FindControl<QLabel>(&dialog, CTipDlg::kTipText)->text(), c.shown);
        EXPECT_FALSE(FindControl<QPushButton>(&dialog, CTipDlg::kNextTip)->isEnabled());
        dialog.reject();
    }
}

class EditTipDlgTest : public TipDlgTest {
protected:
    EditTipDlgTest() { dialog_.show(); }

    QPlainTextEdit* Edit() { return FindControl<QPlainTextEdit>(&dialog_, CEditTipDlg::kTip); }
    void SaveAndNew() { FindControl<QPushButton>(&dialog_, CEditTipDlg::kSaveAndNew)->click(); }

    platform::MessageBoxRecorder boxes_{{platform::MbResult::Yes}};
    CEditTipDlg dialog_{kTipsPath};
};

TEST_F(EditTipDlgTest, SaveAndNewAppendsTheTipOnItsOwnLineAndClearsOnlyWhenSaved) {
    Edit()->setPlainText(QStringLiteral("Not saved"));
    SaveAndNew();
    EXPECT_EQ(boxes_.texts(), std::vector<std::string>{kNoTipsAccessMessage});
    EXPECT_EQ(Edit()->toPlainText(), "Not saved");

    const auto host = env_.writeFile(kTipsFile, "Old tip");
    Edit()->setPlainText(QStringLiteral("  Two\nlines  "));
    SaveAndNew();
    EXPECT_TRUE(Edit()->toPlainText().isEmpty());
    Edit()->setPlainText(QStringLiteral("; hidden"));
    SaveAndNew();
    EXPECT_EQ(boxes_.texts().back(), kCommentTipMessage);
    EXPECT_EQ(Edit()->toPlainText(), "; hidden");

    Edit()->setPlainText(QStringLiteral("Last one"));
    dialog_.accept();  // "Save current tip": Yes
    EXPECT_EQ(boxes_.texts().back(), kSaveTipQuestion);
    EXPECT_EQ(env_.readFile(host), "Old tip\r\nTwo lines\r\nLast one");
    EXPECT_EQ(dialog_.result(), QDialog::Accepted);
}

TEST_F(EditTipDlgTest, TypingPastTheLimitKeepsTheFirstCharacters) {
    Edit()->setPlainText(QString(1000, QLatin1Char('a')));
    EXPECT_EQ(Edit()->toPlainText().size(), 998);
    EXPECT_EQ(boxes_.texts(), std::vector<std::string>{kMaxTextMessage});
}

TEST_F(EditTipDlgTest, PreviewShowsTheNextTipOfTheFile) {
    env_.writeFile(kTipsFile, "From the file\r\n");
    Edit()->setPlainText(QStringLiteral("Typed"));
    QString shown;
    qtplatform::testing::WhenModalShown([&shown](QWidget* modal) {
        shown = FindControl<QLabel>(modal, CTipDlg::kTipText)->text();
        qobject_cast<QDialog*>(modal)->reject();
    });
    FindControl<QPushButton>(&dialog_, CEditTipDlg::kPreview)->click();
    EXPECT_EQ(shown, "From the file");
}

}  // namespace
}  // namespace trevalo
