#include "qtplatform/data_exchange.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QSpinBox>

#include "qtplatform/control_ids.h"
#include "qtplatform/feedback.h"
#include "qtplatform/text.h"

namespace qtplatform {

QWidget* DataExchange::Control(int id) const { return FindControl(dialog_, id); }

void DataExchange::Fail(QWidget* control) {
    failed_ = true;
    if (control != nullptr) control->setFocus();
    WarningBeep();
}

void DataExchange::Check(int id, int& value) {
    bool on = value != 0;
    Check(id, on);
    if (saving()) value = on ? 1 : 0;
}

void DataExchange::Check(int id, bool& value) {
    auto* button = qobject_cast<QAbstractButton*>(Control(id));
    if (button == nullptr || failed_) return;
    if (saving()) value = button->isChecked();
    else button->setChecked(value);
}

void DataExchange::Text(int id, std::string& value) {
    QWidget* control = Control(id);
    if (control == nullptr || failed_) return;
    if (auto* edit = qobject_cast<QLineEdit*>(control)) {
        if (saving()) value = FromQString(edit->text());
        else edit->setText(ToQString(value));
    } else if (auto* plain = qobject_cast<QPlainTextEdit*>(control)) {
        if (saving()) value = FromQString(plain->toPlainText());
        else plain->setPlainText(ToQString(value));
    } else if (auto* combo = qobject_cast<QComboBox*>(control)) {
        if (saving()) value = FromQString(combo->currentText());
        else combo->setCurrentText(ToQString(value));
    } else if (auto* label = qobject_cast<QLabel*>(control)) {
        if (saving()) value = FromQString(label->text());
        else label->setText(ToQString(value));
    }
}

void DataExchange::Int(int id, int& value) {
    QWidget* control = Control(id);
    if (control == nullptr || failed_) return;
    if (auto* spin = qobject_cast<QSpinBox*>(control)) {
        if (saving()) value = spin->value();
        else spin->setValue(value);
        return;
    }
    if (auto* edit = qobject_cast<QLineEdit*>(control)) {
        if (!saving()) {
            edit->setText(QString::number(value));
            return;
        }
        bool ok = false;
        const int parsed = edit->text().trimmed().toInt(&ok);
        if (ok) value = parsed;
        else Fail(edit);
    }
}

void DataExchange::Radio(int firstId, int& value) {
    if (failed_) return;
    if (saving()) value = -1;
    for (int index = 0;; ++index) {
        auto* button = qobject_cast<QAbstractButton*>(Control(firstId + index));
        if (button == nullptr) return;
        if (saving()) {
            if (button->isChecked() && value < 0) value = index;
        } else {
            button->setChecked(index == value);
        }
    }
}

void DataExchange::ListIndex(int id, int& value) {
    QWidget* control = Control(id);
    if (control == nullptr || failed_) return;
    if (auto* combo = qobject_cast<QComboBox*>(control)) {
        if (saving()) value = combo->currentIndex();
        else combo->setCurrentIndex(value);
    } else if (auto* list = qobject_cast<QListWidget*>(control)) {
        if (saving()) value = list->currentRow();
        else list->setCurrentRow(value);
    }
}

bool ExchangeDialog::UpdateData(bool saveAndValidate) {
    DataExchange dx(this, saveAndValidate ? DataExchange::Direction::FromControls
                                          : DataExchange::Direction::ToControls);
    DoDataExchange(dx);
    return !dx.failed();
}

void ExchangeDialog::accept() {
    if (UpdateData(true)) QDialog::accept();
}

void ExchangeDialog::showEvent(QShowEvent* event) {
    if (!initialised_) {
        initialised_ = true;
        UpdateData(false);
    }
    QDialog::showEvent(event);
}

}  // namespace qtplatform
