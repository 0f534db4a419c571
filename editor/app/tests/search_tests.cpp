// Find, Repeat Search and Jump to line as the user runs them.
#include <QComboBox>
#include <QDialog>
#include <QLineEdit>

#include "command_ids.h"
#include "editor_fixture.h"
#include "find_dlg.h"
#include "jump_to_dlg.h"
#include "qtplatform/control_ids.h"

namespace quillet::testing {
namespace {

using qtplatform::testing::WhenModalShown;

class SearchTest : public EditorTest {
protected:
    SearchTest() : EditorTest({platform::MbResult::Yes}) {}

    std::string Selected(const CQuilletDoc& document) const {
        return EditOf(document).textCursor().selectedText().toStdString();
    }
    static void PlaceCaret(const CQuilletDoc& document, int position) {
        QTextCursor cursor = EditOf(document).textCursor();
        cursor.setPosition(position);
        EditOf(document).setTextCursor(cursor);
    }
};

TEST_F(SearchTest, FindProposesTheWordAtTheCaretAndSelectsItsFirstOccurrence) {
    CQuilletDoc& document = Open(WriteSource("Adv/A.txt", "x = 1\r\n\tSETTIMER 5\r\n\tSETTIMER 6\r\n"));
    PlaceCaret(document, 24);  // inside the second SETTIMER
    std::string proposed;
    WhenModalShown([&](QWidget* modal) {
        proposed = qtplatform::FindControl<QComboBox>(modal, CFindDlg::kWhat)->currentText().toStdString();
        static_cast<QDialog*>(modal)->accept();
    });
    ASSERT_TRUE(Run(kCmdFind));
    EXPECT_EQ(proposed, "SETTIMER");
    EXPECT_EQ(EditOf(document).textCursor().selectionStart(), 7);
    EXPECT_EQ(Selected(document), "SETTIMER");
    // Repeat Search goes on after the selection.
    ASSERT_TRUE(Run(kCmdRepeatSearch));
    EXPECT_EQ(EditOf(document).textCursor().selectionStart(), 19);
}

TEST_F(SearchTest, ATextNotFoundKeepsTheDialogOpenAndCancelRestoresTheSelection) {
    CQuilletDoc& document = Open(WriteSource("Adv/A.txt", "GOSUB start\r\n"));
    PlaceCaret(document, 2);
    bool stayedOpen = false;
    WhenModalShown([&](QWidget* modal) {
        qtplatform::FindControl<QComboBox>(modal, CFindDlg::kWhat)->setEditText(QStringLiteral("RETURN"));
        static_cast<QDialog*>(modal)->accept();
        stayedOpen = modal->isVisible();
        static_cast<QDialog*>(modal)->reject();
    });
    ASSERT_TRUE(Run(kCmdFind));
    EXPECT_TRUE(stayedOpen);
    EXPECT_EQ(boxes_.texts(), std::vector<std::string>{"Cannot find 'RETURN'"});
    EXPECT_EQ(EditOf(document).textCursor().position(), 2);
    EXPECT_FALSE(EditOf(document).textCursor().hasSelection());
}

TEST_F(SearchTest, TheHistoryKeepsEachTextSearchedNewestFirst) {
    CQuilletDoc& document = Open(WriteSource("Adv/A.txt", "alpha beta gamma"));
    std::vector<QString> shown;
    for (int caret : {1, 7, 2}) {
        PlaceCaret(document, caret);
        WhenModalShown([&](QWidget* modal) {
            auto* what = qtplatform::FindControl<QComboBox>(modal, CFindDlg::kWhat);
            shown.clear();
            for (int i = 0; i < what->count(); ++i) shown.push_back(what->itemText(i));
            static_cast<QDialog*>(modal)->accept();
        });
        ASSERT_TRUE(Run(kCmdFind));
    }
    EXPECT_EQ(shown, (std::vector<QString>{"alpha", "beta"}));
    EXPECT_EQ(app_.FindDialog().History(), (std::vector<std::string>{"beta", "alpha"}));
}

TEST_F(SearchTest, RepeatSearchAtTheEndAsksToGoOnFromTheTop) {
    CQuilletDoc& document = Open(WriteSource("Adv/A.txt", "GOSUB a\r\nGOSUB b"));
    EXPECT_FALSE(Run(kCmdRepeatSearch));  // nothing searched yet
    PlaceCaret(document, 1);
    WhenModalShown([](QWidget* modal) { static_cast<QDialog*>(modal)->accept(); });
    ASSERT_TRUE(Run(kCmdFind));
    EditOf(document).moveCursor(QTextCursor::End);
    ASSERT_TRUE(Run(kCmdRepeatSearch));
    EXPECT_EQ(boxes_.texts(), std::vector<std::string>{kEndOfFileQuestion});
    EXPECT_EQ(EditOf(document).textCursor().selectionStart(), 0);
    EXPECT_EQ(Selected(document), "GOSUB");
}

TEST_F(SearchTest, FindWithNoDocumentOpenKeepsTheTextForRepeatSearch) {
    WhenModalShown([](QWidget* modal) {
        qtplatform::FindControl<QComboBox>(modal, CFindDlg::kWhat)->setEditText(QStringLiteral("SETTIMER"));
        static_cast<QDialog*>(modal)->accept();
    });
    ASSERT_TRUE(Run(kCmdFind));
    EXPECT_TRUE(boxes_.texts().empty());
    CQuilletDoc& document = Open(WriteSource("Adv/A.txt", "x = 1\r\n\tSETTIMER 5\r\n"));
    ASSERT_TRUE(Run(kCmdRepeatSearch));
    EXPECT_EQ(EditOf(document).textCursor().selectionStart(), 7);
    EXPECT_EQ(Selected(document), "SETTIMER");
}

TEST_F(SearchTest, JumpToLineSelectsTheLineWholeKeptToTheLinesThereAre) {
    CQuilletDoc& document = Open(WriteSource("Adv/A.txt", "first line\r\nsecond\r\nlast"));
    for (const auto& [typed, selected] :
         {std::pair{"1", "first line"}, {"2", "second"}, {"0", "first line"}, {"999", "last"}}) {
        WhenModalShown([typed = typed](QWidget* modal) {
            qtplatform::FindControl<QLineEdit>(modal, CJumpToDlg::kLine)->setText(QString::fromLatin1(typed));
            static_cast<QDialog*>(modal)->accept();
        });
        ASSERT_TRUE(Run(kCmdJumpToLine));
        EXPECT_EQ(Selected(document), selected) << typed;
    }
}

}  // namespace
}  // namespace quillet::testing
