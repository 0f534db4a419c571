// What the four layer dialogs share: the values of one layer as the user sees them, the
// caption of the add or edit mode, the named choices filled from the rules file when the
// dialog runs, and the OK that checks the rules' limits before it closes.
#pragma once

#include <QFormLayout>
#include <QLineEdit>
#include <QVBoxLayout>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "platform/message_box.h"
#include "qtplatform/control_ids.h"
#include "qtplatform/dialog.h"
#include "qtplatform/dialog_buttons.h"
#include "qtplatform/text.h"
#include "wx/layer_limits.h"
#include "wx/rule_choices.h"
#include "wx/weather_rules.h"
#include "wxapp/choice_combo.h"

namespace wxapp {

template <class Values>
class CLayerDlg : public qtplatform::Dialog {
public:
    struct Captions {
        const char* add;
        const char* edit;
    };

    void SetValues(const Values& values) { values_ = values; }
    const Values& GetValues() const { return values_; }
    void SetAddMode(bool addMode) { addMode_ = addMode; }

protected:
    CLayerDlg(const wx::WeatherRules& rules, Captions captions, QWidget* parent)
        : Dialog(parent), rules_(rules), captions_(captions), form_(new QFormLayout) {
        auto* layout = new QVBoxLayout(this);
        layout->addLayout(form_);
        layout->addWidget(qtplatform::DialogButtons(*this, QDialogButtonBox::Ok | QDialogButtonBox::Cancel));
    }

    // A number field of the form for a member, refused outside [low, high] when given.
    void AddNumber(const char* label, int id, int32_t Values::*member, std::optional<std::pair<int, int>> range = {}) {
        form_->addRow(QString::fromLatin1(label), qtplatform::WithId(new QLineEdit, id));
        numbers_.push_back({id, member, range});
    }
    // A choice of the form: a family of names for a member. In edit mode, message (may be
    // null) is shown when the member's number has no name any more; the first name is
    // selected then.
    void AddChoice(const char* label, int id, wx::rules::NameFamily family, int32_t Values::*member,
                   const char* message) {
        auto* combo = qtplatform::WithId(new ChoiceCombo, id);
        form_->addRow(QString::fromLatin1(label), combo);
        choices_.push_back({combo, family, member, message});
    }

    void DoDataExchange(qtplatform::DataExchange& dx) override {
        for (const Number& number : numbers_) {
            dx.Int(number.id, values_.*number.member);
            if (number.range) dx.MinMaxInt(values_.*number.member, number.range->first, number.range->second);
        }
    }

    bool OnInitDialog() override {
        setWindowTitle(QString::fromLatin1(addMode_ ? captions_.add : captions_.edit));
        for (Choice& choice : choices_) {
            choice.combo->Fill(wx::ChoicesOf(rules_, choice.family));
            const bool named = choice.combo->Select(values_.*choice.member);
            choice.shownIndex = choice.combo->currentIndex();
            if (!named && !addMode_ && choice.message != nullptr)
                platform::MessageBox(choice.message, {}, platform::MbIcon::Information);
        }
        return Dialog::OnInitDialog();
    }

    void OnOK() override {
        if (!UpdateData(true)) return;
        if (const std::optional<std::string> refusal = wx::CheckLimits(values_, rules_)) {
            platform::MessageBox(*refusal, {}, platform::MbIcon::Information);
            return;
        }
        // A layer's choice that the user left as shown keeps its number, named or not.
        for (const Choice& choice : choices_)
            if (addMode_ || choice.combo->currentIndex() != choice.shownIndex)
                values_.*choice.member = choice.combo->SelectedNumber();
        EndDialog(Accepted);
    }

    const wx::WeatherRules& rules_;
    Values values_{};

private:
    struct Number {
        int id;
        int32_t Values::*member;
        std::optional<std::pair<int, int>> range;
    };
    struct Choice {
        ChoiceCombo* combo;
        wx::rules::NameFamily family;
        int32_t Values::*member;
        const char* message;
        int shownIndex = -1;  // the entry selected when the dialog opened
    };

    Captions captions_;
    QFormLayout* form_;
    std::vector<Number> numbers_;
    std::vector<Choice> choices_;
    bool addMode_ = false;
};

}  // namespace wxapp
