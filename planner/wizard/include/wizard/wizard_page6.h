// The wizard's sixth page, "Emergency": which instruments and systems may fail, the
// chance of a failure, whether the co-pilot announces it, and "Crash >", which shows the
// main frame's crash menu (its commands act on the same values).
#pragma once

#include "adf/values/emergency.h"
#include "qtplatform/property_page.h"

QT_BEGIN_NAMESPACE
class QMenu;
class QPushButton;
QT_END_NAMESPACE

namespace trevalo {

inline constexpr const char* kSelectAllCaption = "&Select All";
inline constexpr const char* kResetAllCaption = "Re&set All";

class CWizardPage6 : public qtplatform::PropertyPage {
public:
    enum Control : int {
        kHelp = 1050,
        kAdf = 1064,
        kAirspeedIndicator = 1066,
        kAltimeter = 1069,
        kAttitudeIndicator = 1071,
        kAutopilot = 1074,
        kEngine1 = 1076,
        kGear1 = 1078,
        kHeadingIndicator = 1079,
        kNav = 1081,
        kEngine2 = 1083,
        kEngine3 = 1085,
        kEngine4 = 1086,
        kGear2 = 1087,
        kGear3 = 1088,
        kPanelLight = 1089,
        kStrobe = 1090,
        kTransponder = 1091,
        kTurnCoordinator = 1092,
        kVerticalSpeed = 1094,
        kPercentSpin = 1096,
        kPercent = 1098,
        kDisplayWhenFails = 1100,
        kSelectAll = 1175,
        kCrash = 1285,
    };

    explicit CWizardPage6(adf::EmergencyValues& values);

    // The values changed from outside (File > New, a definition read): shown again.
    void ShowValues();
    // The spin's change: -1 up, +1 down; the chance stays within 0 to 99.
    void OnPercentSpin(int delta);
    void OnSelectAll();
    // The menu "Crash >" shows under itself: the frame's crash options.
    void SetCrashMenu(QMenu* menu) { crashMenu_ = menu; }

protected:
    void DoDataExchange(qtplatform::DataExchange& dx) override;

private:
    void OnCrash();

    adf::EmergencyValues& values_;
    QPushButton* selectAll_;
    QPushButton* crash_;
    QMenu* crashMenu_ = nullptr;
};

}  // namespace trevalo
