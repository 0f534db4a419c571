#include "qtplatform/data_exchange.h"

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>
#include <functional>

#include "platform/message_box.h"
#include "qtplatform/control_ids.h"
#include "qtplatform/dialog.h"
#include "qtplatform/dialog_buttons.h"

namespace qtplatform {
namespace {

enum ControlId : int {
    kFlag = 1001,
    kName = 1002,
    kCount = 1003,
    kRatio = 1004,
    kNote = 1005,
    kRemarks = 1006,
    kFirstChoice = 1010
};
constexpr int kChoices = 3;
constexpr int kLongestName = 8;
constexpr int kLongestRemarks = 20;

// Every kind of exchange with its checks: a name of at most 8 characters, a count from
// 1 to 99, a ratio from 0 to 1, remarks of at most 20 characters.
class SampleDialog : public Dialog {
public:
    SampleDialog() {
        auto* layout = new QVBoxLayout(this);
        layout->addWidget(WithId(new QCheckBox("Flag"), kFlag));
        layout->addWidget(WithId(new QLineEdit, kName));
        layout->addWidget(WithId(new QLineEdit, kCount));
        layout->addWidget(WithId(new QLineEdit, kRatio));
        layout->addWidget(WithId(new QLabel, kNote));
        layout->addWidget(WithId(new QPlainTextEdit, kRemarks));
        for (int i = 0; i < kChoices; ++i) layout->addWidget(WithId(new QRadioButton("Choice"), kFirstChoice + i));
        layout->addWidget(DialogButtons(*this, QDialogButtonBox::Ok | QDialogButtonBox::Cancel));
    }

    int flag = 1;
    std::string name = "EGLL";
    int count = 8;
    double ratio = 0.5;
    std::string remarks;
    int choice = 2;
    int initialisations = 0;
    // Replaces the exchange, for the faults of a dialog's code.
    std::function<void(DataExchange&)> exchange;

protected:
    void DoDataExchange(DataExchange& dx) override {
        if (exchange) return exchange(dx);
        dx.Check(kFlag, flag);
        dx.SingleByteText(kName, name);
        dx.MaxChars(name, kLongestName);
        dx.Int(kCount, count);
        dx.MinMaxInt(count, 1, 99);
        dx.Double(kRatio, ratio);
        dx.MinMaxDouble(ratio, 0.0, 1.0);
        dx.Text(kRemarks, remarks);
        dx.MaxChars(remarks, kLongestRemarks);
        dx.Radio(kFirstChoice, choice);
    }
    bool OnInitDialog() override {
        ++initialisations;
        return Dialog::OnInitDialog();
    }
};

class DataExchangeTest : public ::testing::Test {
protected:
    DataExchangeTest() { dialog_.show(); }

    template <class T>
    T* Control(int id) {
        return FindControl<T>(&dialog_, id);
    }
    QLineEdit* Edit(int id) { return Control<QLineEdit>(id); }

    platform::MessageBoxRecorder boxes_;
    SampleDialog dialog_;
};

TEST_F(DataExchangeTest, ShowsMembersAndReadsEditsBack) {
    EXPECT_TRUE(Control<QCheckBox>(kFlag)->isChecked());
    EXPECT_EQ(Edit(kName)->text(), "EGLL");
    EXPECT_EQ(Edit(kName)->maxLength(), kLongestName);
    EXPECT_EQ(Edit(kCount)->text(), "8");
    EXPECT_EQ(Edit(kRatio)->text(), "0.5");
    EXPECT_TRUE(Control<QRadioButton>(kFirstChoice + 2)->isChecked());

    Control<QCheckBox>(kFlag)->setChecked(false);
    Edit(kName)->setText("LFPG");
    Edit(kCount)->setText(" 12 ");
    Edit(kRatio)->setText("+0.25");
    Control<QRadioButton>(kFirstChoice)->setChecked(true);
    FindControl<QPushButton>(&dialog_, kIdOk)->click();
    EXPECT_EQ(dialog_.result(), QDialog::Accepted);
    EXPECT_FALSE(dialog_.isVisible());
    EXPECT_EQ(dialog_.flag, 0);
    EXPECT_EQ(dialog_.name, "LFPG");
    EXPECT_EQ(dialog_.count, 12);
    EXPECT_EQ(dialog_.ratio, 0.25);
    EXPECT_EQ(dialog_.choice, 0);
    EXPECT_TRUE(boxes_.shown().empty());
}

TEST_F(DataExchangeTest, ARefusedValueShowsTheStandardTextKeepsTheFocusAndRefusesOk) {
    struct Case {
        int id;
        const char* typed;
        const char* message;
        bool namesTyped = false;  // the message holds what was typed, in UTF-8
    };
    const Case cases[] = {
        {kCount, "twelve", "Please enter an integer."},
        {kCount, "12x", "Please enter an integer."},
        {kCount, "", "Please enter an integer."},
        {kCount, "99999999999", "Please enter an integer."},
        {kCount, "0", "Please enter an integer between 1 and 99."},
        {kCount, "100", "Please enter an integer between 1 and 99."},
        {kRatio, "half", "Please enter a number."},
        {kRatio, "inf", "Please enter a number."},
        {kRatio, "1.5", "Please enter a number between 0 and 1."},
        {kRemarks, "twenty-one characters", "Enter no more than 20 characters."},
        // Named as typed, not as the "?" that the single-byte text would hold.
        {kName, "\u0141\u00f3d\u017a",
         "The character \"\u0141\" cannot be used here.\nThe suite's files hold only the characters of the "
         "Western European (Latin-1) code page.",
         true},
        {kName, "Hi \U0001F600",
         "The character \"\U0001F600\" cannot be used here.\nThe suite's files hold only the characters of the "
         "Western European (Latin-1) code page.",
         true},
    };
    for (const Case& c : cases) {
        SampleDialog dialog;
        dialog.show();
        if (auto* edit = FindControl<QLineEdit>(&dialog, c.id))
            edit->setText(QString::fromUtf8(c.typed));
        else
            FindControl<QPlainTextEdit>(&dialog, c.id)->setPlainText(QString::fromUtf8(c.typed));
        FindControl<QRadioButton>(&dialog, kFirstChoice)->setChecked(true);
        boxes_.clear();
        dialog.accept();
        EXPECT_TRUE(dialog.isVisible()) << c.typed;
        ASSERT_EQ(boxes_.shown().size(), 1u) << c.typed;
        EXPECT_EQ(boxes_.shown()[0].text, c.message);
        EXPECT_EQ(boxes_.shown()[0].icon, platform::MbIcon::Exclamation);
        EXPECT_EQ(boxes_.shown()[0].encoding,
                  c.namesTyped ? platform::MbTextEncoding::Utf8 : platform::MbTextEncoding::Latin1);
        EXPECT_EQ(dialog.focusWidget(), FindControl(&dialog, c.id)) << c.typed;
        EXPECT_EQ(dialog.choice, 2) << c.typed;  // the exchange stops at the refused value
        if (c.namesTyped) {
            EXPECT_EQ(dialog.name, "EGLL");  // not what the text would hold
        }
    }
}

TEST_F(DataExchangeTest, TheLimitsThemselvesAreTaken) {
    Edit(kCount)->setText("99");
    Edit(kRatio)->setText("1");
    Edit(kName)->setText(QString::fromUtf8("Z\u00fcrich\u00ff12"));  // Latin-1 to its last; no more than the limit
    Control<QPlainTextEdit>(kRemarks)->setPlainText(QString(kLongestRemarks, 'r'));
    dialog_.accept();
    EXPECT_EQ(dialog_.result(), QDialog::Accepted);
    EXPECT_EQ(dialog_.count, 99);
    EXPECT_EQ(dialog_.ratio, 1.0);
    EXPECT_EQ(dialog_.name,
              "Z\xfc"
              "rich\xff"
              "1");
}

// Handlers that run while a refusal's box is up (a page's help shown when the refused
// control gets the focus back) read the controls again: no second box for one refusal.
TEST_F(DataExchangeTest, ARefusalIsShownOnceWhatEverReadsTheControlsMeanwhile) {
    Edit(kCount)->setText("twelve");
    int shown = 0;
    const platform::MessageBoxHandler recorder =
        platform::SetMessageBoxHandler([&](const platform::MessageBoxRequest&) {
            if (++shown == 1) {
                EXPECT_FALSE(dialog_.UpdateData(true));
            }
            return platform::MbResult::Ok;
        });
    EXPECT_FALSE(dialog_.UpdateData(true));
    platform::SetMessageBoxHandler(recorder);
    EXPECT_EQ(shown, 1);
    // Once it is over, a new reading refuses again.
    EXPECT_FALSE(dialog_.UpdateData(true));
    EXPECT_EQ(boxes_.shown().size(), 1u);
}

TEST_F(DataExchangeTest, CancelTakesNothing) {
    Edit(kCount)->setText("not a number");
    Edit(kName)->setText("LFPG");
    FindControl<QPushButton>(&dialog_, kIdCancel)->click();
    EXPECT_EQ(dialog_.result(), QDialog::Rejected);
    EXPECT_EQ(dialog_.name, "EGLL");
    EXPECT_TRUE(boxes_.shown().empty());
}

TEST_F(DataExchangeTest, OnInitDialogRunsOnEveryShowAndShowsTheMembersAgain) {
    EXPECT_EQ(dialog_.initialisations, 1);
    Edit(kName)->setText("edited");
    dialog_.show();  // already shown: the same run
    EXPECT_EQ(dialog_.initialisations, 1);
    dialog_.reject();
    dialog_.name = "KSEA";
    dialog_.show();  // a modeless dialog shown again
    EXPECT_EQ(dialog_.initialisations, 2);
    EXPECT_EQ(Edit(kName)->text(), "KSEA");
    dialog_.hide();
    dialog_.open();  // and run modally
    EXPECT_EQ(dialog_.initialisations, 3);
    dialog_.reject();
}

// The close box takes nothing, as Cancel does, unless the dialog closes otherwise there;
// a dialog that stays open refuses the close.
TEST_F(DataExchangeTest, TheCloseBoxRunsOnCloseWhichCancelsByDefault) {
    Edit(kName)->setText("LFPG");
    EXPECT_TRUE(dialog_.close());
    EXPECT_EQ(dialog_.result(), QDialog::Rejected);
    EXPECT_EQ(dialog_.name, "EGLL");

    class StayingDialog : public Dialog {
    public:
        int closes = 0;

    protected:
        void OnClose() override { ++closes; }
    } staying;
    staying.show();
    EXPECT_FALSE(staying.close());
    EXPECT_TRUE(staying.isVisible());
    EXPECT_EQ(staying.closes, 1);
}

// A wrong id or control type in DoDataExchange is a fault of the dialog's code.
TEST(DataExchangeFaults, AWrongIdOrControlTypeFailsLoudly) {
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    struct Case {
        const char* what;
        std::function<void(DataExchange&, SampleDialog&)> exchange;
        const char* report;
    };
    const Case cases[] = {
        {"unknown id", [](DataExchange& dx, SampleDialog& d) { dx.Text(4711, d.name); }, "has no control 4711"},
        {"check on an edit", [](DataExchange& dx, SampleDialog& d) { dx.Check(kName, d.flag); },
         "control 1002 is a QLineEdit"},
        {"number in a check box", [](DataExchange& dx, SampleDialog& d) { dx.Int(kFlag, d.count); },
         "control 1001 is a QCheckBox"},
        {"radio group on a check box", [](DataExchange& dx, SampleDialog& d) { dx.Radio(kFlag, d.choice); },
         "control 1001 is a QCheckBox"},
        {"list index of an edit", [](DataExchange& dx, SampleDialog& d) { dx.ListIndex(kName, d.choice); },
         "control 1002 is a QLineEdit"},
        {"edit member bound to a label",
         [](DataExchange& dx, SampleDialog&) {
             QLineEdit* edit = nullptr;
             dx.Control(kNote, edit);
         },
         "control 1005 is a QLabel, not a QLineEdit"},
    };
    for (const Case& c : cases) {
        SampleDialog dialog;
        dialog.exchange = [&](DataExchange& dx) { c.exchange(dx, dialog); };
#ifdef NDEBUG
        EXPECT_FALSE(dialog.UpdateData(false)) << c.what;
        EXPECT_FALSE(dialog.UpdateData(true)) << c.what;
#else
        EXPECT_DEATH(dialog.UpdateData(false), c.report) << c.what;
#endif
    }
}

TEST(DataExchangeControls, ControlBindsTheTypedMember) {
    SampleDialog dialog;
    QLabel* note = nullptr;
    dialog.exchange = [&](DataExchange& dx) { dx.Control(kNote, note); };
    EXPECT_TRUE(dialog.UpdateData(false));
    EXPECT_EQ(note, FindControl<QLabel>(&dialog, kNote));
}

}  // namespace
}  // namespace qtplatform
