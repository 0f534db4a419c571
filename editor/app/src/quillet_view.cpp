#include "quillet_view.h"

#include <QResizeEvent>
#include <QTextBlock>

#include "command_ids.h"
#include "platform/files.h"
#include "platform/message_box.h"
#include "platform/paths.h"
#include "platform/text.h"
#include "qtplatform/control_ids.h"
#include "qtplatform/feedback.h"
#include "qtplatform/text.h"
#include "quillet/auto_indent.h"
#include "quillet/label_scan.h"
#include "quillet/source_file.h"
#include "quillet_doc.h"
#include "source_edit.h"
#include "source_highlighter.h"
#include "view_host.h"

namespace quillet {
namespace {

constexpr int kEditMargin = 5;

}  // namespace

CQuilletView::CQuilletView(CQuilletDoc& document, ViewHost& host, bool autoTab, QWidget* parent)
    : QWidget(parent),
      document_(document),
      host_(host),
      edit_(qtplatform::WithId(new CSourceEdit(this), kSourceEditId)),
      highlighter_(new SourceHighlighter(edit_->document(), host.Commands())),
      autoTab_(autoTab) {
    document_.SetView(this);
    edit_->onKeyPressed = [this] { OnKeyPressed(); };
    edit_->onEnter = [this] { AutoTab(); };
    edit_->onFocusIn = [this] { OnSetFocus(); };
    connect(edit_, &QPlainTextEdit::textChanged, this, [this] { OnEditChange(); });
    connect(edit_, &QPlainTextEdit::cursorPositionChanged, this, [this] { OnSelChange(); });
}

CQuilletView::~CQuilletView() {
    if (document_.View() == this) document_.SetView(nullptr);
}

bool CQuilletView::OnInitialUpdate() {
    if (!document_.GetPathName().empty() && !LoadDocumentFile()) return false;
    KeepCaretLine();
    host_.OnViewActivated(*this);
    return true;
}

bool CQuilletView::LoadDocumentFile() {
    const qtplatform::WaitCursor wait;
    if (!LoadFile(document_.GetPathName())) return false;
    edit_->moveCursor(QTextCursor::Start);
    KeepCaretLine();
    host_.StartLabelScan(document_);
    return true;
}

void CQuilletView::KeepCaretLine() {
    caretLineText_ = GetLineText(-1);
    caretLineRevision_ = edit_->document()->revision();
}

bool CQuilletView::LoadFile(const std::string& path) {
    std::string text;
    if (!ReadSourceText(path, text)) return false;
    const std::string loading = "Loading - " + platform::WindowsNamePart(path) + " -";
    host_.ShowStatus(loading);
    loading_ = true;
    const bool colour = platform::FileSize(path).value_or(0) < kLargeFileBytes ||
                        platform::MessageBox(kLargeFileQuestion, {}, platform::MbIcon::Question,
                                             platform::MbButtons::YesNo, 1) == platform::MbResult::Yes;
    highlighter_->SetColouring(colour);
    edit_->setPlainText(qtplatform::ToQString(text));
    highlighter_->SetColouring(true);
    lineCount_ = edit_->document()->blockCount();
    loading_ = false;
    host_.ShowStatus({});
    return true;
}

std::string CQuilletView::Text() const { return qtplatform::FromQString(edit_->toPlainText()); }

int CQuilletView::LineCount() const { return edit_->document()->blockCount(); }

int CQuilletView::CaretLine() const { return edit_->textCursor().blockNumber(); }

std::string CQuilletView::GetLineText(int line) const {
    const QTextBlock block = line < 0 ? edit_->textCursor().block() : edit_->document()->findBlockByNumber(line);
    return block.isValid() ? qtplatform::FromQString(block.text()) : std::string();
}

void CQuilletView::ShowAtTop(int position) {
    // From the end of the text back up, so the line shows at the top of the view.
    edit_->moveCursor(QTextCursor::End);
    edit_->ensureCursorVisible();
    QTextCursor cursor = edit_->textCursor();
    cursor.setPosition(position);
    edit_->setTextCursor(cursor);
    edit_->ensureCursorVisible();
}

void CQuilletView::SelectLine(int line, bool whole) {
    const QTextBlock block = edit_->document()->findBlockByNumber(LineIndexOfNumber(line + 1LL, LineCount()));
    ShowAtTop(block.position());
    if (!whole) return;
    QTextCursor cursor = edit_->textCursor();
    cursor.setPosition(block.position() + block.length() - 1, QTextCursor::KeepAnchor);
    edit_->setTextCursor(cursor);
}

void CQuilletView::SelectText(std::size_t start, std::size_t end) {
    ShowAtTop(static_cast<int>(start));
    QTextCursor cursor = edit_->textCursor();
    cursor.setPosition(static_cast<int>(end), QTextCursor::KeepAnchor);
    edit_->setTextCursor(cursor);
}

void CQuilletView::Recolour() { highlighter_->rehighlight(); }

void CQuilletView::OnKeyPressed() {
    if (!document_.IsModified()) document_.SetModifiedFlag(true);
}

void CQuilletView::AutoTab() {
    if (!autoTab_ || !IndentsPath(document_.GetPathName())) return;
    QTextCursor cursor = edit_->textCursor();
    const QTextBlock finished = cursor.block().previous();
    if (!finished.isValid()) return;
    const Indentation indent =
        IndentAfterEnter(qtplatform::FromQString(finished.text()), qtplatform::FromQString(finished.previous().text()));
    cursor.beginEditBlock();
    if (indent.finishedChanged) {
        QTextCursor line(finished);
        line.movePosition(QTextCursor::EndOfBlock, QTextCursor::KeepAnchor);
        line.insertText(qtplatform::ToQString(indent.finishedLine));
    }
    cursor.insertText(QString(indent.newLineTabs, QLatin1Char('\t')));
    cursor.endEditBlock();
    edit_->setTextCursor(cursor);
}

void CQuilletView::OnEditChange() {
    if (loading_) return;
    const std::string before = std::move(caretLineText_);
    caretLineText_ = GetLineText(-1);
    caretLineRevision_ = edit_->document()->revision();
    const int lines = LineCount();
    const bool linesChanged = lines != lineCount_;
    lineCount_ = lines;
    if (ChangesLabelLine(before, caretLineText_) || linesChanged) host_.StartLabelScan(document_);
}

// A caret moved by an edit keeps the text from before the edit for OnEditChange.
void CQuilletView::OnSelChange() {
    if (loading_ || edit_->document()->revision() != caretLineRevision_) return;
    caretLineText_ = GetLineText(-1);
}

void CQuilletView::OnSetFocus() { host_.OnViewActivated(*this); }

void CQuilletView::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    edit_->setGeometry(rect().adjusted(kEditMargin, kEditMargin, -kEditMargin, -kEditMargin));
}

}  // namespace quillet
