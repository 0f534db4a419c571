// The layer dialogs as the user meets them: captions, named choices filled from the rules
// and read back by key number, and the limits that keep a dialog open.
#include <gtest/gtest.h>

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>

#include "platform/message_box.h"
#include "qtplatform/control_ids.h"
#include "qtplatform/data_exchange.h"
#include "wxapp/cloud_dlg.h"
#include "wxapp/pressure_dlg.h"
#include "wxapp/temperature_dlg.h"
#include "wxapp/visibility_dlg.h"
#include "wxapp/winds_dlg.h"

namespace wxapp {
namespace {

using platform::MessageBoxRecorder;

const wx::WeatherRules kRules = wx::WeatherRules::FromLines({
    "[cloud]",        "type_tot=3",      "type0=Cirrus",        "type2=Cumulus",
    "coverage_tot=4", "coverage0=Clear", "coverage2=Scattered", "coverage3=Overcast",
    "rty_0=None",     "rty_3=Snow",      "rty_4=Hail",          "rain0=None",
    "rain6=Extreme",  "turb_0=None",     "icing_0=None",        "top alt=20000",
    "[winds]",        "turb_0=Calm",     "shear_0=Gradual",     "shear_4=Sudden",
    "[temperature]",  "top alt=30000",
});

template <class T = QWidget>
T& Control(const QWidget& dialog, int id) {
    T* control = qtplatform::FindControl<T>(&dialog, id);
    EXPECT_NE(control, nullptr) << id;
    return *control;
}

void SetText(const QWidget& dialog, int id, const char* text) { Control<QLineEdit>(dialog, id).setText(text); }

void PressOk(const QWidget& dialog) { Control<QPushButton>(dialog, qtplatform::kIdOk).click(); }

std::vector<std::string> Entries(const QComboBox& combo) {
    std::vector<std::string> entries;
    for (int i = 0; i < combo.count(); ++i) entries.push_back(combo.itemText(i).toStdString());
    return entries;
}

TEST(LayerDialogs, CaptionsTellAddFromEdit) {
    struct Case {
        std::function<std::unique_ptr<QDialog>(bool)> make;
        const char* add;
        const char* edit;
    };
    const auto make = [](auto* tag) {
        return [](bool add) {
            auto dialog = std::make_unique<std::remove_pointer_t<decltype(tag)>>(kRules);
            dialog->SetAddMode(add);
            return std::unique_ptr<QDialog>(std::move(dialog));
        };
    };
    const Case cases[] = {
        {make(static_cast<CCloudDlg*>(nullptr)), "Add New Cloud", "Edit Cloud"},
        {make(static_cast<CWindsDlg*>(nullptr)), "Add New Winds", "Edit Winds"},
        {make(static_cast<CVisibilityDlg*>(nullptr)), "Add new Visibility", "Edit Visibility"},
        {make(static_cast<CTemperatureDlg*>(nullptr)), "New Temperature", "Edit Temperature"},
    };
    MessageBoxRecorder boxes;
    for (const Case& c : cases) {
        for (bool add : {true, false}) {
            const std::unique_ptr<QDialog> dialog = c.make(add);
            dialog->show();
            EXPECT_EQ(dialog->windowTitle().toStdString(), add ? c.add : c.edit);
        }
    }
    CPressureDlg pressure;
    pressure.show();
    EXPECT_EQ(pressure.windowTitle(), "Edit Pressure");
}

TEST(LayerDialogs, ChoicesAreNamedAndReadBackByKeyNumber) {
    MessageBoxRecorder boxes;
    CCloudDlg dialog(kRules);
    dialog.SetValues({.type = 2, .coverage = 3, .rainType = 3, .rainRate = 6});
    dialog.show();
    EXPECT_TRUE(boxes.texts().empty());
    EXPECT_EQ(Entries(Control<QComboBox>(dialog, CCloudDlg::kCloudType)),
              (std::vector<std::string>{"Cirrus", "Cumulus"}));
    // Rain types are rty_0 to rty_3: a fifth name is not offered.
    EXPECT_EQ(Entries(Control<QComboBox>(dialog, CCloudDlg::kRainType)), (std::vector<std::string>{"None", "Snow"}));
    EXPECT_EQ(Control<QComboBox>(dialog, CCloudDlg::kCloudType).currentText(), "Cumulus");
    EXPECT_EQ(Control<QComboBox>(dialog, CCloudDlg::kCoverage).currentText(), "Overcast");
    EXPECT_EQ(Control<QComboBox>(dialog, CCloudDlg::kRainRate).currentText(), "Extreme");

    Control<QComboBox>(dialog, CCloudDlg::kCoverage).setCurrentIndex(1);
    PressOk(dialog);
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(dialog.GetValues().coverage, 2);
    EXPECT_EQ(dialog.GetValues().type, 2);
    EXPECT_EQ(dialog.GetValues().rainType, 3);
    EXPECT_EQ(dialog.GetValues().rainRate, 6);
}

TEST(LayerDialogs, ShearOffersItsFifthName) {
    MessageBoxRecorder boxes;
    CWindsDlg dialog(kRules);
    dialog.SetValues({.shear = 4});
    dialog.show();
    EXPECT_EQ(Control<QComboBox>(dialog, CWindsDlg::kShear).currentText(), "Sudden");
    PressOk(dialog);
    EXPECT_EQ(dialog.GetValues().shear, 4);
}

// The user is told; a choice left as shown keeps its number, one the user picks is taken.
TEST(LayerDialogs, AChoiceThatLostItsNameIsKeptUnlessChanged) {
    MessageBoxRecorder boxes;
    CCloudDlg dialog(kRules);
    dialog.SetValues({.type = 1, .coverage = 1, .turbulence = 3});
    dialog.show();
    EXPECT_EQ(boxes.texts(), (std::vector<std::string>{
                                 "The clouds previously selected no longer exist\nPlease check your rules",
                                 "The turbulence previously selected no longer exist\nPlease check your rules"}));
    EXPECT_EQ(Control<QComboBox>(dialog, CCloudDlg::kCloudType).currentText(), "Cirrus");
    Control<QComboBox>(dialog, CCloudDlg::kCoverage).setCurrentIndex(2);
    PressOk(dialog);
    EXPECT_EQ(dialog.GetValues().type, 1);
    EXPECT_EQ(dialog.GetValues().turbulence, 3);
    EXPECT_EQ(dialog.GetValues().coverage, 3);

    // A new layer takes the first names shown, without a message.
    boxes.clear();
    CCloudDlg adding(kRules);
    adding.SetAddMode(true);
    adding.SetValues({.type = 1});
    adding.show();
    PressOk(adding);
    EXPECT_TRUE(boxes.texts().empty());
    EXPECT_EQ(adding.GetValues().type, 0);
}

TEST(LayerDialogs, ABrokenLimitKeepsTheDialogOpen) {
    struct Case {
        const char* name;
        std::function<std::unique_ptr<qtplatform::Dialog>()> make;
        std::vector<std::pair<int, const char*>> texts;
        const char* message;
    };
    const Case cases[] = {
        {"CloudUpsideDown",
         [] { return std::make_unique<CCloudDlg>(kRules); },
         {{CCloudDlg::kBottom, "3000"}, {CCloudDlg::kTop, "2000"}},
         "The bottom altitude cannot be more than the top altitude"},
        {"CloudTooHigh",
         [] { return std::make_unique<CCloudDlg>(kRules); },
         {{CCloudDlg::kTop, "20001"}},
         "The maximum altitude allowed is [20000]"},
        {"TemperatureBelowZero",
         [] { return std::make_unique<CTemperatureDlg>(kRules); },
         {{CTemperatureDlg::kAltitude, "-10"}},
         "The minimum altitude allowed is [0]"},
        {"WindDirection",
         [] { return std::make_unique<CWindsDlg>(kRules); },
         {{CWindsDlg::kDirection, "360"}},
         "Please enter an integer between 0 and 359."},
        {"NotANumber",
         [] { return std::make_unique<CVisibilityDlg>(kRules); },
         {{CVisibilityDlg::kRange, "far"}},
         "Please enter an integer."},
    };
    for (const Case& c : cases) {
        MessageBoxRecorder boxes;
        const std::unique_ptr<qtplatform::Dialog> dialog = c.make();
        dialog->show();
        for (const auto& [id, text] : c.texts) SetText(*dialog, id, text);
        PressOk(*dialog);
        EXPECT_TRUE(dialog->isVisible()) << c.name;
        ASSERT_EQ(boxes.texts().size(), 1u) << c.name;
        EXPECT_EQ(boxes.texts()[0], c.message) << c.name;
    }
}

TEST(LayerDialogs, PressureShowsItsShortestText) {
    CPressureDlg dialog;
    dialog.SetPressure(1012.2f);
    dialog.show();
    EXPECT_EQ(Control<QLineEdit>(dialog, CPressureDlg::kPressure).text(), "1012.2");
    PressOk(dialog);
    EXPECT_EQ(static_cast<float>(dialog.Pressure()), 1012.2f);
}

}  // namespace
}  // namespace wxapp
