#include "wxapp/choice_combo.h"

#include "qtplatform/text.h"

namespace wxapp {

void ChoiceCombo::Fill(wx::RuleChoices choices) {
    choices_ = std::move(choices);
    clear();
    for (const wx::RuleChoice& choice : choices_) addItem(qtplatform::ToQString(choice.name));
}

bool ChoiceCombo::Select(int32_t number) {
    const std::optional<size_t> position = wx::ChoicePosition(choices_, number);
    setCurrentIndex(position ? static_cast<int>(*position) : (count() > 0 ? 0 : -1));
    return position.has_value();
}

int32_t ChoiceCombo::SelectedNumber() const {
    if (currentIndex() < 0) return 0;
    return wx::ChoiceNumber(choices_, qtplatform::FromQString(currentText()));
}

}  // namespace wxapp
