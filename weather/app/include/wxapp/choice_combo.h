// A combo box of named choices from the rules file, each kept with its key number.
#pragma once

#include <QComboBox>
#include <cstdint>

#include "wx/rule_choices.h"

namespace wxapp {

class ChoiceCombo : public QComboBox {
public:
    explicit ChoiceCombo(QWidget* parent = nullptr) : QComboBox(parent) {}

    // Offers the names in their order.
    void Fill(wx::RuleChoices choices);
    // Selects the choice with the key number; when none has it, selects the first one
    // and returns false.
    bool Select(int32_t number);
    // The number of the first choice named as the selected text; 0 when there is none.
    int32_t SelectedNumber() const;

private:
    wx::RuleChoices choices_;
};

}  // namespace wxapp
