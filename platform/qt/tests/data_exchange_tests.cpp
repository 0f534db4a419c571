#include "qtplatform/data_exchange.h"

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QLineEdit>
#include <QRadioButton>
#include <QVBoxLayout>

#include "qtplatform/control_ids.h"

namespace qtplatform {
namespace {

enum ControlId : int { kFlag = 1001, kName = 1002, kCount = 1003, kFirstChoice = 1010 };
constexpr int kChoices = 3;

class SampleDialog : public ExchangeDialog {
public:
    SampleDialog() {
        auto* layout = new QVBoxLayout(this);
        layout->addWidget(WithId(new QCheckBox("Flag"), kFlag));
        layout->addWidget(WithId(new QLineEdit, kName));
        layout->addWidget(WithId(new QLineEdit, kCount));
        for (int i = 0; i < kChoices; ++i) layout->addWidget(WithId(new QRadioButton("Choice"), kFirstChoice + i));
    }

    int flag = 1;
    std::string name = "EGLL";
    int count = 8;
    int choice = 2;

protected:
    void DoDataExchange(DataExchange& dx) override {
        dx.Check(kFlag, flag);
        dx.Text(kName, name);
        dx.Int(kCount, count);
        dx.Radio(kFirstChoice, choice);
    }
};

TEST(DataExchange, ShowsMembersAndReadsEditsBack) {
    SampleDialog dialog;
    dialog.show();  // the first show puts the members into the controls
    EXPECT_TRUE(FindControl<QCheckBox>(&dialog, kFlag)->isChecked());
    EXPECT_EQ(FindControl<QLineEdit>(&dialog, kName)->text(), "EGLL");
    EXPECT_EQ(FindControl<QLineEdit>(&dialog, kCount)->text(), "8");
    EXPECT_TRUE(FindControl<QRadioButton>(&dialog, kFirstChoice + 2)->isChecked());

    FindControl<QCheckBox>(&dialog, kFlag)->setChecked(false);
    FindControl<QLineEdit>(&dialog, kName)->setText("LFPG");
    FindControl<QLineEdit>(&dialog, kCount)->setText(" 12 ");
    FindControl<QRadioButton>(&dialog, kFirstChoice)->setChecked(true);
    dialog.accept();
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(dialog.flag, 0);
    EXPECT_EQ(dialog.name, "LFPG");
    EXPECT_EQ(dialog.count, 12);
    EXPECT_EQ(dialog.choice, 0);
}

TEST(DataExchange, BadNumberKeepsTheDialogOpenAndTheLaterMembers) {
    SampleDialog dialog;
    dialog.show();
    FindControl<QLineEdit>(&dialog, kCount)->setText("twelve");
    FindControl<QRadioButton>(&dialog, kFirstChoice)->setChecked(true);
    dialog.accept();
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_EQ(dialog.count, 8);
    EXPECT_EQ(dialog.choice, 2);  // exchange stops at the control that failed
}

}  // namespace
}  // namespace qtplatform
