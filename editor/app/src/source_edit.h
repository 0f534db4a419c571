// The view's text control (id 1000): plain text in one font, tabs kept as tabs. Every key
// pressed in it is first reported (the document counts as modified from then on); Tab
// replaces the selection with one tab, Enter of any kind ends the line and then reports
// it; Undo and Redo keys are left to the commands; it has no context menu of its own.
#pragma once

#include <QPlainTextEdit>
#include <functional>

namespace quillet {

class CSourceEdit : public QPlainTextEdit {
public:
    explicit CSourceEdit(QWidget* parent = nullptr);

    std::function<void()> onKeyPressed;
    std::function<void()> onEnter;
    std::function<void()> onFocusIn;

protected:
    bool event(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
};

}  // namespace quillet
