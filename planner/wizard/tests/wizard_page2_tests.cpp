// The general-help page and its key picker through their controls: the default keys
// and captions, a key taken off and given again, keys that another command holds, and
// the holding dialog.
#include <QCheckBox>
#include <QDialog>
#include <QLabel>
#include <QRadioButton>

#include "mapdialogs/holding_airports_dlg.h"
#include "mapdialogs/holding_radio_dlg.h"
#include "qtplatform/report_list.h"
#include "qtplatform/testing/qt_test.h"
#include "wizard/key_select_dlg.h"
#include "wizard_sheet_fixture.h"

namespace trevalo {
namespace {

using Page = CWizardPage2;
using Picker = CKeySelectDlg;
using KeyList = std::vector<std::string>;

// Answers the next key picker: the modifier's radio button, the letter, then OK (or
// Cancel when the modifier is 0). Returns the prompt it showed.
void AnswerPicker(int modifier, const char* letter, std::string* prompt = nullptr) {
    qtplatform::testing::WhenModalShown([=](QWidget* modal) {
        if (prompt != nullptr) *prompt = qtplatform::FindControl<QLabel>(modal, Picker::kPrompt)->text().toStdString();
        if (modifier == 0) {
            qtplatform::FindControl<QAbstractButton>(modal, qtplatform::kIdCancel)->click();
            return;
        }
        qtplatform::FindControl<QRadioButton>(modal, modifier)->click();
        qtplatform::FindControl<QComboBox>(modal, Picker::kLetter)->setCurrentText(QString::fromLatin1(letter));
        qtplatform::FindControl<QAbstractButton>(modal, qtplatform::kIdOk)->click();
    });
}

class KeyPageTest : public testing::WizardSheetTest {
protected:
    void SetUp() override { Open(1); }
    std::string Caption(int id) const { return Control<QCheckBox>(id)->text().toStdString(); }
    const KeyList& Keys() const { return Values().keys.keyList; }
};

TEST_F(KeyPageTest, TheDefaultKeysShowInTheCaptions) {
    EXPECT_EQ(Keys(), adf::KeyCommandValues::DefaultKeyList());
    EXPECT_EQ(Caption(Page::kAlwaysGivePosition), "Always Give Pos (CTRL \"p\")");
    EXPECT_EQ(Caption(Page::kClimb200), "Request Climb 200 feet(CTRL \"u\")");
    EXPECT_EQ(Caption(Page::kPushBack), "Push back request (\"a\")");
    EXPECT_EQ(Caption(Page::kRestart), "Restart Adventure (CTRL \"r\")");
    EXPECT_EQ(Caption(Page::kQuit), "Quit, (End), Adventure (CTRL \"q\")");
    EXPECT_EQ(Caption(Page::kAtcHelp), "ATC will help me .(Select a Key)");
    EXPECT_TRUE(Control<QCheckBox>(Page::kQuit)->isChecked());
    EXPECT_FALSE(Control<QCheckBox>(Page::kAtcHelp)->isChecked());
}

TEST_F(KeyPageTest, AKeyTakenOffAndGivenAgainIsAppended) {
    Click(Page::kPushBack);
    EXPECT_EQ(adf::FindKeyEntry(Keys(), "_111"), -1);
    EXPECT_EQ(Caption(Page::kPushBack), "Push back request (Select a Key)");
    EXPECT_EQ(Control<QLabel>(Page::kHelp)->text().toStdString(),
              "Select a key to request Push back\nFrom ATC.\n(OnGround only.)\n");
    std::string prompt;
    AnswerPicker(Picker::kNone, "b", &prompt);
    Click(Page::kPushBack);
    EXPECT_EQ(prompt, "Atc Push back key.");
    EXPECT_EQ(Keys().back(), "_111\t\"b\"");
    EXPECT_EQ(Keys().size(), 6u);
    EXPECT_EQ(Caption(Page::kPushBack), "Push back request (\"b\")");
    EXPECT_EQ(Values().keys.pushBack, 1);
}

TEST_F(KeyPageTest, CancelInThePickerLeavesTheOptionOff) {
    AnswerPicker(0, nullptr);
    Click(Page::kAtcHelp);
    EXPECT_FALSE(Control<QCheckBox>(Page::kAtcHelp)->isChecked());
    EXPECT_EQ(Values().keys.atcHelp, 0);
    EXPECT_EQ(adf::FindKeyEntry(Keys(), "_102"), -1);
}

TEST_F(KeyPageTest, AnEntryOfTheCodeIsReplacedInItsPlace) {
    Values().keys.keyList.insert(Values().keys.keyList.begin(), "_102\tSHIFT \"h\"");
    static_cast<CWizardPage2*>(page_)->ShowValues();
    EXPECT_EQ(Caption(Page::kAtcHelp), "ATC will help me (SHIFT \"h\")");
    AnswerPicker(Picker::kShift, "g");
    Click(Page::kAtcHelp);
    EXPECT_EQ(Keys().front(), "_102\tSHIFT \"g\"");
    EXPECT_EQ(Keys().size(), 7u);
    EXPECT_EQ(Caption(Page::kAtcHelp), "ATC will help me (SHIFT \"g\")");
}

TEST_F(KeyPageTest, AKeyHeldByAnotherCommandIsRefusedUntilAnotherIsChosen) {
    // The default CTRL"r" has no blank, and is the same key.
    for (const char* held : {"d", "r"}) {
        Click(Page::kClimb200);
        ASSERT_EQ(adf::FindKeyEntry(Keys(), "_107U"), -1);
        boxes_.clear();
        qtplatform::testing::WhenModalShown([held](QWidget* modal) {
            auto* letters = qtplatform::FindControl<QComboBox>(modal, Picker::kLetter);
            auto* ok = qtplatform::FindControl<QAbstractButton>(modal, qtplatform::kIdOk);
            letters->setCurrentText(QString::fromLatin1(held));
            ok->click();
            EXPECT_TRUE(modal->isVisible());
            letters->setCurrentText(QStringLiteral("k"));
            ok->click();
        });
        Click(Page::kClimb200);
        EXPECT_EQ(boxes_.texts(), (std::vector<std::string>{kKeyExistsMessage})) << held;
        EXPECT_EQ(Keys().back(), "_107U\tCTRL \"k\"");
    }
}

TEST(KeySelectDlgTest, TheCommandsOwnKeyAgainIsAccepted) {
    platform::MessageBoxRecorder boxes;
    CKeySelectDlg picker("_107D", adf::KeyCommandValues::DefaultKeyList());
    qtplatform::testing::WhenModalShown([](QWidget* modal) {
        auto* letters = qtplatform::FindControl<QComboBox>(modal, Picker::kLetter);
        EXPECT_EQ(letters->count(), 26);
        EXPECT_EQ(letters->currentText(), "a");
        EXPECT_EQ(letters->findText(QStringLiteral("i")), -1);
        EXPECT_TRUE(qtplatform::FindControl<QRadioButton>(modal, Picker::kCtrl)->isChecked());
        letters->setCurrentText(QStringLiteral("d"));
        qtplatform::FindControl<QAbstractButton>(modal, qtplatform::kIdOk)->click();
    });
    EXPECT_EQ(picker.exec(), QDialog::Accepted);
    EXPECT_EQ(picker.Result(), "_107D\tCTRL \"d\"");
    EXPECT_TRUE(boxes.texts().empty());
}

TEST_F(KeyPageTest, DetailsTurnsHoldingOnAndOpensTheHoldingDialog) {
    bool opened = false;
    qtplatform::testing::WhenModalShown([&](QWidget* modal) {
        opened = modal->windowTitle() == "Holding Airports";
        qtplatform::FindControl<QAbstractButton>(modal, qtplatform::kIdOk)->click();
    });
    Click(Page::kDetails);
    EXPECT_TRUE(opened);
    EXPECT_TRUE(Control<QCheckBox>(Page::kHoldingPatterns)->isChecked());
    EXPECT_EQ(Values().keys.holdingPatterns, 1);
}

// A route of two airports, the holding dialogs answered through their controls.
class HoldingPageTest : public testing::WizardSheetTest {
protected:
    void SetUp() override {
        AddSpringfieldAndBoeingField();
        Open(1);
        AddRouteAirport(spf_, "KSPF");
        AddRouteAirport(bfi_, "KBFI");
    }
    // Answers the next "Holding Airports": the landing airport edited in "Holding Radio"
    // by clicking its box (none: not edited), then OK. Counts the openings.
    void AnswerHolding(int radioBox) {
        qtplatform::testing::WhenModalShown([this, radioBox](QWidget* airports) {
            ++holdingOpened_;
            EXPECT_EQ(airports->windowTitle(), "Holding Airports");
            if (radioBox != 0) {
                qtplatform::FindControl<qtplatform::ReportList>(airports, CHoldingAirportsDlg::kAirportList)
                    ->SelectRow(1);
                // The radio dialog opens over it; the box closes it.
                qtplatform::testing::WhenModalShown(
                    [radioBox](QWidget* radio) { qtplatform::FindControl<QCheckBox>(radio, radioBox)->click(); });
                qtplatform::FindControl<QAbstractButton>(airports, CHoldingAirportsDlg::kEdit)->click();
            }
            qtplatform::FindControl<QAbstractButton>(airports, qtplatform::kIdOk)->click();
        });
    }
    // Ticks the box; the title of the modal it opened, else "".
    std::string TickHolding() {
        std::string opened;
        qtplatform::testing::WhenModalShown([&opened](QWidget* modal) {
            opened = modal->windowTitle().toStdString();
            qobject_cast<QDialog*>(modal)->reject();
        });
        Click(Page::kHoldingPatterns);
        if (opened.empty()) {
            // Nothing opened: a dialog of our own takes the answer.
            QDialog probe(page_);
            probe.exec();
        }
        return opened;
    }

    int holdingOpened_ = 0;
};

TEST_F(HoldingPageTest, APlacedHoldingIsNotAskedForAgain) {
    struct Case {
        int radioBox;
        std::string text;
    };
    const Case cases[] = {
        {0, ""},
        {CHoldingRadioDlg::kWithin10Nm, "KBFI 10nm Holding point"},
        {CHoldingRadioDlg::kNoHolding, "KBFI No Holding patern at this Airport"},
    };
    for (const Case& c : cases) {
        route_->Points()[1].holding = kHoldingNotPlaced;
        holdingOpened_ = 0;
        ASSERT_FALSE(Control<QCheckBox>(Page::kHoldingPatterns)->isChecked());
        AnswerHolding(c.radioBox);
        Click(Page::kHoldingPatterns);
        EXPECT_EQ(holdingOpened_, 1) << c.text;
        EXPECT_EQ(Values().keys.holdingText, c.text);

        Click(Page::kHoldingPatterns);  // off: no dialog
        EXPECT_EQ(TickHolding(), c.text.empty() ? "Holding Airports" : "") << c.text;
        EXPECT_EQ(Values().keys.holdingPatterns, 1);
        Click(Page::kHoldingPatterns);
    }
    // The route lost its holding since: the box asks again.
    route_->Points()[1].holding = kHoldingNotPlaced;
    EXPECT_EQ(TickHolding(), "Holding Airports");
    EXPECT_EQ(Values().keys.holdingText, "");
}

}  // namespace
}  // namespace trevalo
