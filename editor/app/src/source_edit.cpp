#include "source_edit.h"

#include <QFontDatabase>
#include <QKeyEvent>

namespace quillet {
namespace {

constexpr int kTabWidthInCharacters = 4;

bool IsUndoOrRedo(const QKeyEvent& key) { return key.matches(QKeySequence::Undo) || key.matches(QKeySequence::Redo); }

}  // namespace

CSourceEdit::CSourceEdit(QWidget* parent) : QPlainTextEdit(parent) {
    setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    setTabStopDistance(kTabWidthInCharacters * fontMetrics().horizontalAdvance(QLatin1Char(' ')));
    setLineWrapMode(NoWrap);
    setContextMenuPolicy(Qt::NoContextMenu);
}

bool CSourceEdit::event(QEvent* event) {
    if (event->type() == QEvent::ShortcutOverride) {
        // Keys that the commands take still count as key presses of the view.
        if (onKeyPressed) onKeyPressed();
        if (IsUndoOrRedo(static_cast<QKeyEvent&>(*event))) return false;
    }
    return QPlainTextEdit::event(event);
}

void CSourceEdit::keyPressEvent(QKeyEvent* event) {
    if (onKeyPressed) onKeyPressed();
    switch (event->key()) {
        case Qt::Key_Tab:
        case Qt::Key_Backtab:
            insertPlainText(QStringLiteral("\t"));
            return;
        case Qt::Key_Return:
        case Qt::Key_Enter:
            // A plain line end whatever the modifiers: no line separators inside a line.
            textCursor().insertBlock();
            ensureCursorVisible();
            if (onEnter) onEnter();
            return;
        default:
            if (IsUndoOrRedo(*event)) return;
            QPlainTextEdit::keyPressEvent(event);
    }
}

void CSourceEdit::focusInEvent(QFocusEvent* event) {
    QPlainTextEdit::focusInEvent(event);
    if (onFocusIn) onFocusIn();
}

}  // namespace quillet
