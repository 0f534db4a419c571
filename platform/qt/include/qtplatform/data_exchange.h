// Data exchange between a window's members and its controls, in both directions: each
// member is named once with its control's id in DoDataExchange (see exchange_owner.h).
// Showing (ToControls) puts the members into the controls; reading (FromControls) takes
// them back with their checks and stops at the first value refused: the standard
// message is shown, the focus goes back to that control, and failed() is true.
//
// A control id the window lacks, or a control of another type than the exchange takes,
// is a fault of the window's code: it is written to stderr and stops a debug build at
// once; a release build refuses the exchange.
#pragma once

#include <QWidget>
#include <string>

#include "platform/message_box.h"

namespace qtplatform {

// The standard texts of a refused value; %1 and %2 stand for the limits.
inline constexpr const char* kEnterIntegerMessage = "Please enter an integer.";
inline constexpr const char* kEnterIntegerRangeMessage = "Please enter an integer between %1 and %2.";
inline constexpr const char* kEnterNumberMessage = "Please enter a number.";
inline constexpr const char* kEnterNumberRangeMessage = "Please enter a number between %1 and %2.";
inline constexpr const char* kMaxCharsMessage = "Enter no more than %1 characters.";
inline constexpr const char* kOutsideCodePageMessage =
    "The character \"%1\" cannot be used here.\nThe suite's files hold only the characters of the Western European "
    "(Latin-1) code page.";

class DataExchange {
public:
    enum class Direction { ToControls, FromControls };

    DataExchange(QWidget& window, Direction direction) : window_(window), direction_(direction) {}

    bool saving() const { return direction_ == Direction::FromControls; }
    bool failed() const { return failed_; }

    // A checkable button (check box, radio button): 0/1 in an int, or a bool.
    void Check(int id, int& value);
    void Check(int id, bool& value);
    // Line edit, plain text edit, combo box (its current text) or static text.
    void Text(int id, std::string& value);
    // The same for a text that must keep every character typed (one that names files):
    // reading refuses a character beyond the single-byte code page, the message naming it
    // as typed, where Text would take "?" in its place; the member keeps its value.
    void SingleByteText(int id, std::string& value);
    // Line edit or static text holding a decimal integer, or a spin box.
    void Int(int id, int& value);
    // Line edit or static text holding a decimal number, or a spin box of reals.
    void Double(int id, double& value);
    // Radio buttons with consecutive ids from firstId: the index of the checked one, -1
    // when none is.
    void Radio(int firstId, int& value);
    // Combo box or list: the current index, -1 for none.
    void ListIndex(int id, int& value);
    // The control with the id as a typed member, checked against the type.
    template <class T>
    void Control(int id, T*& member) {
        QWidget* found = Find(id);
        if (found == nullptr) return;
        if (T* control = qobject_cast<T*>(found))
            member = control;
        else
            WrongType(found, T::staticMetaObject.className());
    }

    // Checks on the value just read from the control named last (nothing when showing).
    void MinMaxInt(int value, int min, int max);
    void MinMaxDouble(double value, double min, double max);
    // Reading: a longer text is refused. Showing: the edit takes no more characters.
    void MaxChars(const std::string& value, int count);

private:
    // The control below the window with the id; nullptr once the exchange has failed or
    // when there is none (a fault, reported).
    QWidget* Find(int id);
    void WrongType(QWidget* control, const char* expected);
    void Fault(const std::string& what);
    template <class Value, class SpinBox>
    void NumberField(int id, Value& value, const char* refusal);
    // Shows the message, puts the focus on the control and stops the exchange.
    void Refuse(QWidget* control, const std::string& message,
                platform::MbTextEncoding encoding = platform::MbTextEncoding::Latin1);

    QWidget& window_;
    Direction direction_;
    QWidget* lastControl_ = nullptr;
    bool failed_ = false;
};

}  // namespace qtplatform
