// The wizard's first page, "General Info": the adventure's title and description, the
// season and hemispheres, the start switches, the expected performance, the start time
// and the plane, chosen from the simulator's installed aircraft.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "adf/values/general_info.h"
#include "qtplatform/property_page.h"

QT_BEGIN_NAMESPACE
class QComboBox;
class QLineEdit;
class QPlainTextEdit;
class QTimeEdit;
QT_END_NAMESPACE

namespace trevalo {

inline constexpr const char* kSwitchOffHelp =
    "At the begining of the Adventure theSwitch will be On, (checked), or Off, (not checked).\n\nThe default is off";
inline constexpr const char* kSwitchOnHelp =
    "At the begining of the Adventure theSwitch will be On, (checked), or Off, (not checked).\n\nThe default is on";
inline constexpr const char* kDescriptionHelp =
    "This is your chance to describe your adventure you can enter 255 chars, every times you press enter ,(new "
    "Line), 1 blank space, ( 1 char), is added.\n\n";
inline constexpr const char* kTitleHelp = "You must enter a title.\nIt can only be 60 chars long.";
inline constexpr const char* kStartTimeHelp =
    "This is the time you would like your adventureTo start at.\n\nthe default is 09:00(am).";
inline constexpr const char* kPerformanceHelp =
    "This is the espected perfomance of the driver.\nrefer to documents if you are not sure.\n\nDefault High and 5.";

class CWizardPage1 : public qtplatform::PropertyPage {
public:
    enum Control : int {
        kTitle = 1002,
        kDescription = 1005,
        kSeason = 1018,
        kLongitude = 1021,
        kLatitude = 1024,
        kStartTime = 1027,
        kAutopilotMaster = 1030,
        kSmokeSystem = 1032,
        kAutoCoordination = 1035,
        kAirspeedIndicator = 1038,
        kPerformance = 1042,
        kPlane = 1046,
        kPerformanceNumber = 1048,
        kHelp = 1050,
    };

    explicit CWizardPage1(adf::GeneralInfoValues& values);

    // The plane page loads the chosen plane's settings.
    void SetPlaneChangedHandler(std::function<void()> handler) { planeChanged_ = std::move(handler); }
    // The simulator folder the plane list was read from; empty for the fixed list.
    const std::string& SimulatorFolderUsed() const { return simulatorFolder_; }
    // The values changed from outside (File > New, a definition read): shown again; a
    // plane that the list lacks is reported and left unselected.
    void ShowValues();

protected:
    bool OnInitDialog() override;
    void DoDataExchange(qtplatform::DataExchange& dx) override;

private:
    void FillPlaneList();
    void CheckPlane();
    void ShowHelp(const char* text);
    void OnPerformanceChanged();
    void OnLatitudeChanged();
    void OnLongitudeChanged();
    void OnPlaneChanged();
    void ApplyPerformanceRule();

    adf::GeneralInfoValues& values_;
    std::string simulatorFolder_;
    std::vector<std::string> planes_;
    std::function<void()> planeChanged_;
    QLineEdit* title_;
    QPlainTextEdit* description_;
    QComboBox* season_;
    QComboBox* longitude_;
    QComboBox* latitude_;
    QComboBox* performance_;
    QLineEdit* performanceNumber_;
    QTimeEdit* startTime_;
    QComboBox* plane_;
};

}  // namespace trevalo
