#include "qtplatform/data_exchange.h"

#include <cxxabi.h>
#include <QAbstractButton>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QSpinBox>
#include <cstdio>
#include <cstdlib>
#include <initializer_list>
#include <memory>
#include <optional>
#include <typeinfo>

#include "platform/message_box.h"
#include "platform/numbers.h"
#include "platform/text.h"
#include "qtplatform/control_ids.h"
#include "qtplatform/text.h"

namespace qtplatform {
namespace {

// The window's own class, for the fault report (a dialog class rarely has Q_OBJECT).
std::string ClassName(const QWidget& window) {
    const char* mangled = typeid(window).name();
    int status = 0;
    const std::unique_ptr<char, decltype(&std::free)> demangled(abi::__cxa_demangle(mangled, nullptr, nullptr, &status),
                                                                &std::free);
    return status == 0 && demangled ? demangled.get() : mangled;
}

// The message with %1, %2, ... replaced by the values in turn.
std::string Filled(const char* message, std::initializer_list<std::string> values) {
    std::string text = message;
    char marker[] = "%1";
    for (const std::string& value : values) {
        const std::size_t at = text.find(marker);
        if (at != std::string::npos) text.replace(at, 2, value);
        ++marker[1];
    }
    return text;
}

// Line edits and static texts hold a number as its text.
bool HoldsText(QWidget* control) {
    return qobject_cast<QLineEdit*>(control) != nullptr || qobject_cast<QLabel*>(control) != nullptr;
}

std::string TextOf(QWidget* control) {
    if (auto* edit = qobject_cast<QLineEdit*>(control)) return FromQString(edit->text());
    return FromQString(static_cast<QLabel*>(control)->text());
}

void SetTextOf(QWidget* control, const std::string& text) {
    if (auto* edit = qobject_cast<QLineEdit*>(control))
        edit->setText(ToQString(text));
    else
        static_cast<QLabel*>(control)->setText(ToQString(text));
}

// The text of a line edit, plain text edit, combo box (its current text) or static text;
// none for another control.
std::optional<QString> TextIn(QWidget* control) {
    if (auto* edit = qobject_cast<QLineEdit*>(control)) return edit->text();
    if (auto* plain = qobject_cast<QPlainTextEdit*>(control)) return plain->toPlainText();
    if (auto* combo = qobject_cast<QComboBox*>(control)) return combo->currentText();
    if (auto* label = qobject_cast<QLabel*>(control)) return label->text();
    return std::nullopt;
}

bool ShowTextIn(QWidget* control, const QString& text) {
    if (auto* edit = qobject_cast<QLineEdit*>(control))
        edit->setText(text);
    else if (auto* plain = qobject_cast<QPlainTextEdit*>(control))
        plain->setPlainText(text);
    else if (auto* combo = qobject_cast<QComboBox*>(control))
        combo->setCurrentText(text);
    else if (auto* label = qobject_cast<QLabel*>(control))
        label->setText(text);
    else
        return false;
    return true;
}

std::string NumberText(int value) { return std::to_string(value); }
std::string NumberText(double value) { return platform::Format("%.15g", value); }

std::optional<int> ParsedNumber(int, const std::string& text) { return platform::ParseInt(text); }
std::optional<double> ParsedNumber(double, const std::string& text) { return platform::ParseDouble(text); }

}  // namespace

QWidget* DataExchange::Find(int id) {
    if (failed_) return nullptr;
    QWidget* control = FindControl(&window_, id);
    if (control == nullptr) {
        Fault(platform::Format("has no control %d", id));
        return nullptr;
    }
    lastControl_ = control;
    return control;
}

void DataExchange::WrongType(QWidget* control, const char* expected) {
    Fault(platform::Format("control %d is a %s, not a %s", ControlIdOf(control), control->metaObject()->className(),
                           expected));
}

void DataExchange::Fault(const std::string& what) {
    failed_ = true;
    std::fprintf(stderr, "DoDataExchange of %s: %s\n", ClassName(window_).c_str(), what.c_str());
#ifndef NDEBUG
    std::abort();
#endif
}

void DataExchange::Refuse(QWidget* control, const std::string& message, platform::MbTextEncoding encoding) {
    failed_ = true;
    platform::MessageBox(message, {}, platform::MbIcon::Exclamation, platform::MbButtons::Ok, 0, encoding);
    if (control == nullptr) return;
    control->setFocus();
    if (auto* edit = qobject_cast<QLineEdit*>(control)) edit->selectAll();
}

void DataExchange::Check(int id, int& value) {
    bool on = value != 0;
    Check(id, on);
    if (saving() && !failed_) value = on ? 1 : 0;
}

void DataExchange::Check(int id, bool& value) {
    QWidget* control = Find(id);
    if (control == nullptr) return;
    auto* button = qobject_cast<QAbstractButton*>(control);
    if (button == nullptr || !button->isCheckable()) return WrongType(control, "check box or radio button");
    if (saving())
        value = button->isChecked();
    else
        button->setChecked(value);
}

void DataExchange::Text(int id, std::string& value) {
    QWidget* control = Find(id);
    if (control == nullptr) return;
    if (!saving()) {
        if (!ShowTextIn(control, ToQString(value))) WrongType(control, "text control");
    } else if (const std::optional<QString> text = TextIn(control)) {
        value = FromQString(*text);
    } else {
        WrongType(control, "text control");
    }
}

void DataExchange::SingleByteText(int id, std::string& value) {
    if (!saving()) return Text(id, value);
    QWidget* control = Find(id);
    if (control == nullptr) return;
    const std::optional<QString> text = TextIn(control);
    if (!text) return WrongType(control, "text control");
    constexpr char32_t kLastSingleByte = 0xFF;
    for (const char32_t character : text->toUcs4()) {
        if (character <= kLastSingleByte) continue;
        const std::string typed = QString::fromUcs4(&character, 1).toStdString();
        return Refuse(control, Filled(kOutsideCodePageMessage, {typed}), platform::MbTextEncoding::Utf8);
    }
    value = FromQString(*text);
}

template <class Value, class SpinBox>
void DataExchange::NumberField(int id, Value& value, const char* refusal) {
    QWidget* control = Find(id);
    if (control == nullptr) return;
    if (auto* spin = qobject_cast<SpinBox*>(control)) {
        if (saving())
            value = spin->value();
        else
            spin->setValue(value);
        return;
    }
    if (!HoldsText(control)) return WrongType(control, "number control");
    if (!saving()) return SetTextOf(control, NumberText(value));
    if (const std::optional<Value> parsed = ParsedNumber(value, TextOf(control)))
        value = *parsed;
    else
        Refuse(control, refusal);
}

void DataExchange::Int(int id, int& value) { NumberField<int, QSpinBox>(id, value, kEnterIntegerMessage); }

void DataExchange::Double(int id, double& value) {
    NumberField<double, QDoubleSpinBox>(id, value, kEnterNumberMessage);
}

void DataExchange::Radio(int firstId, int& value) {
    QWidget* first = Find(firstId);
    if (first == nullptr) return;
    if (qobject_cast<QRadioButton*>(first) == nullptr) return WrongType(first, "radio button");
    if (saving()) value = -1;
    for (int index = 0;; ++index) {
        auto* button = qobject_cast<QRadioButton*>(FindControl(&window_, firstId + index));
        if (button == nullptr) return;
        if (saving()) {
            if (button->isChecked() && value < 0) value = index;
        } else {
            button->setChecked(index == value);
        }
    }
}

void DataExchange::ListIndex(int id, int& value) {
    QWidget* control = Find(id);
    if (control == nullptr) return;
    if (auto* combo = qobject_cast<QComboBox*>(control)) {
        if (saving())
            value = combo->currentIndex();
        else
            combo->setCurrentIndex(value);
    } else if (auto* list = qobject_cast<QListWidget*>(control)) {
        if (saving())
            value = list->currentRow();
        else
            list->setCurrentRow(value);
    } else {
        WrongType(control, "combo box or list");
    }
}

void DataExchange::MinMaxInt(int value, int min, int max) {
    if (!saving() || failed_ || (value >= min && value <= max)) return;
    Refuse(lastControl_, Filled(kEnterIntegerRangeMessage, {NumberText(min), NumberText(max)}));
}

void DataExchange::MinMaxDouble(double value, double min, double max) {
    if (!saving() || failed_ || (value >= min && value <= max)) return;
    Refuse(lastControl_, Filled(kEnterNumberRangeMessage, {NumberText(min), NumberText(max)}));
}

void DataExchange::MaxChars(const std::string& value, int count) {
    if (failed_) return;
    if (!saving()) {
        if (auto* edit = qobject_cast<QLineEdit*>(lastControl_)) edit->setMaxLength(count);
        return;
    }
    if (value.size() <= static_cast<std::size_t>(count)) return;
    Refuse(lastControl_, Filled(kMaxCharsMessage, {NumberText(count)}));
}

}  // namespace qtplatform
