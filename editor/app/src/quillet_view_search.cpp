// The view's searches: Find with the word around the caret, the next occurrence, going to
// a label, and jumping to a line.
#include <QTextBlock>
#include <QTextDocumentFragment>

#include "find_dlg.h"
#include "jump_to_dlg.h"
#include "platform/message_box.h"
#include "platform/text.h"
#include "qtplatform/text.h"
#include "quillet/label_scan.h"
#include "quillet_view.h"
#include "source_edit.h"
#include "view_host.h"

namespace quillet {

void CQuilletView::OnFind() {
    const QTextCursor kept = edit_->textCursor();
    std::string proposal;
    if (kept.hasSelection()) {
        proposal = qtplatform::FromQString(kept.selection().toPlainText());
    } else {
        const std::string text = Text();
        const TextRange word = WordAround(text, static_cast<std::size_t>(kept.position()));
        proposal = text.substr(word.start, word.end - word.start);
    }
    if (!host_.RunFind(*this, proposal)) edit_->setTextCursor(kept);
    edit_->setFocus();
}

bool CQuilletView::FindNext(bool ask, bool select, const std::string& given) {
    const std::string what = given.empty() ? host_.FindDialog().SearchText() : given;
    if (what.empty()) return false;
    const std::string text = Text();
    const auto askWrap = [] {
        return platform::MessageBox(kEndOfFileQuestion, {}, platform::MbIcon::Question, platform::MbButtons::YesNo) ==
               platform::MbResult::Yes;
    };
    const FindNextResult found =
        quillet::FindNext(text, what, static_cast<std::size_t>(edit_->textCursor().selectionEnd()),
                          host_.FindDialog().Options(), ask ? std::function<bool()>(askWrap) : nullptr);
    if (found.stopped) return false;
    if (!found.match) {
        if (ask)
            platform::MessageBox(platform::Format(kCannotFindMessage, what.c_str()), {}, platform::MbIcon::Information);
        return false;
    }
    SelectText(*found.match, select ? *found.match + what.size() : *found.match);
    return true;
}

bool CQuilletView::GoToLabel(const std::string& label) {
    const auto line = FindLabelLine(Text(), label, CaretLine());
    if (!line) return false;
    const QTextBlock block = edit_->document()->findBlockByNumber(*line);
    const std::string text = qtplatform::FromQString(block.text());
    ShowAtTop(block.position() + static_cast<int>(text.find_first_not_of(" \t")));
    return true;
}

void CQuilletView::OnJumpToLine() {
    CJumpToDlg dialog(this);
    if (dialog.exec() != QDialog::Accepted) return;
    SelectLine(LineIndexOfNumber(dialog.LineNumber(), LineCount()), true);
}

}  // namespace quillet
