// Data exchange between a dialog's members and its controls: the dialog lists each
// member with its control id once, in DoDataExchange; UpdateData(false) shows the members,
// UpdateData(true) reads the controls back and stops at the first value that does not
// parse (the control gets the focus and the warning beep sounds).
#pragma once

#include <QDialog>
#include <string>

namespace qtplatform {

class DataExchange {
public:
    enum class Direction { ToControls, FromControls };

    DataExchange(QWidget* dialog, Direction direction) : dialog_(dialog), direction_(direction) {}

    bool saving() const { return direction_ == Direction::FromControls; }
    bool failed() const { return failed_; }

    // Check box (or any checkable button): 0/1 in an int, or a bool.
    void Check(int id, int& value);
    void Check(int id, bool& value);
    // Line edit, plain text edit, label or editable combo box.
    void Text(int id, std::string& value);
    // Line edit or spin box holding a decimal integer.
    void Int(int id, int& value);
    // Radio buttons with consecutive ids from firstId: the index of the checked one, -1 none.
    void Radio(int firstId, int& value);
    // Combo box or list: the current index, -1 none.
    void ListIndex(int id, int& value);

private:
    QWidget* Control(int id) const;
    void Fail(QWidget* control);

    QWidget* dialog_;
    Direction direction_;
    bool failed_ = false;
};

// A dialog whose members are exchanged with its controls: shown with the members' values,
// OK reads them back and closes only when every control parsed.
class ExchangeDialog : public QDialog {
    Q_OBJECT
public:
    explicit ExchangeDialog(QWidget* parent = nullptr) : QDialog(parent) {}

    bool UpdateData(bool saveAndValidate = true);
    void accept() override;

protected:
    virtual void DoDataExchange(DataExchange& dx) = 0;
    void showEvent(QShowEvent* event) override;

private:
    bool initialised_ = false;
};

}  // namespace qtplatform
