// What the Airport and Navaids pages share: one record of the builder's database shown
// at a time, "<<" and ">>" that wrap round, the country list, the search dialog, the
// help text of the input that has the focus, and the position fields with their checks.
#pragma once

#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <map>
#include <string>
#include <vector>

#include "gathrel/builder_database.h"
#include "gathrel/position_text.h"
#include "qtplatform/property_page.h"

namespace gathrelapp {

class RecordPage : public qtplatform::PropertyPage {
public:
    enum Control : int { kPrevious = 1020, kNext = 1021, kSearch = 1022, kAdd = 1023, kEdit = 1024 };

    RecordPage(std::string caption, gathrel::BuilderDatabase& database, int helpId);

    int CurrentIndex() const { return index_; }
    // Shows the record; an index above the last gives the first, below 0 the last.
    void ShowRecord(int index);

protected:
    bool OnInitDialog() override;
    bool OnSetActive() override;
    bool eventFilter(QObject* watched, QEvent* event) override;

    virtual const std::vector<std::string>& Lines() const = 0;
    // Fills the fields from a record line, or empties them (line empty).
    virtual void ShowLine(const std::string& line) = 0;
    // The record to show for an ident typed in the search dialog in the chosen country;
    // -1 when none.
    virtual int FindIdent(const std::string& country, const std::string& ident) = 0;
    // The page's country combo, whose choice the search looks in.
    virtual QComboBox* Countries() const = 0;

    // Controls made by the page, laid out by the derived class.
    QLineEdit* NewEdit(int id, const std::string& help);
    QComboBox* NewCombo(int id, const std::string& help, const std::vector<std::string>& entries = {});
    QPushButton* NewButton(int id, const char* caption);
    QLabel* Help() const { return help_; }
    // "<<", ">>", "&Search", "&Add" and "&Edit" side by side.
    QLayout* ButtonRow();
    // A labelled row of the page's grid: the field, and a second control beside it.
    static void AddRow(QGridLayout& grid, const char* label, QWidget* field, QWidget* beside = nullptr);
    QPushButton* AddButton() const { return add_; }
    QPushButton* EditButton() const { return edit_; }
    void SetHelpText(const std::string& text);

    // Chooses the combo entry equal to the text; none when there is no such entry.
    static void Choose(QComboBox* combo, const std::string& text);
    // A position field and its hemisphere combo: checked and rewritten as angle text
    // when it loses the focus; an empty field is left alone.
    void AddPositionField(QLineEdit* field, QComboBox* hemisphere, gathrel::Axis axis);
    // The field's position in signed degrees; nullopt, after the message, when it is not one.
    std::optional<double> CheckPosition(QLineEdit* field);
    // Shows an angle text of a record line in a field and its hemisphere combo.
    void ShowPosition(QLineEdit* field, const std::string& angleText);

    gathrel::BuilderDatabase& database_;

private:
    // The countries of the database in the page's country combo; the first is chosen
    // (again each time the page is shown: a scan or a merge may have changed them).
    void FillCountries();
    struct PositionField {
        QComboBox* hemisphere;
        gathrel::Axis axis;
    };

    void OnSearch();
    void UpdateNavigation();

    QLabel* help_;
    QPushButton* previous_;
    QPushButton* next_;
    QPushButton* search_;
    QPushButton* add_;
    QPushButton* edit_;
    int index_ = 0;
    std::map<QObject*, std::string> helpTexts_;
    std::map<QLineEdit*, PositionField> positions_;
};

// The country chosen in a combo, trimmed.
std::string ChosenText(const QComboBox* combo);

}  // namespace gathrelapp
