// A button that shows its help text in a linked static control whenever the mouse is
// over it; leaving it changes nothing. CHelpButton is the push button; the page's check
// boxes and choices carry help the same way.
#pragma once

#include <QCheckBox>
#include <QEnterEvent>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <string>

namespace gathrelapp {

template <class Button>
class HelpOn : public Button {
public:
    using Button::Button;

    // Links the button to the static and gives it its text; a later call with a text
    // only changes the text.
    void SetHelp(const std::string& text, QLabel* shownIn) {
        help_ = QString::fromStdString(text);
        if (shownIn != nullptr) shownIn_ = shownIn;
    }
    void SetHelp(const std::string& text) { SetHelp(text, nullptr); }
    QString Help() const { return help_; }

protected:
    void enterEvent(QEnterEvent* event) override {
        if (shownIn_ != nullptr && shownIn_->text() != help_) shownIn_->setText(help_);
        Button::enterEvent(event);
    }

private:
    QString help_;
    QPointer<QLabel> shownIn_;
};

using CHelpButton = HelpOn<QPushButton>;
using HelpCheckBox = HelpOn<QCheckBox>;
using HelpRadioButton = HelpOn<QRadioButton>;

}  // namespace gathrelapp
