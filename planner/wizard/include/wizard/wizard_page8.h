// The wizard's eighth page, "Planes": the flight performance of the plane chosen on the
// general page, kept per plane in the base directory's plane file so that a plane's
// values are entered once. "&Update" opens the edits and, pressed again, stores them.
#pragma once

#include <memory>
#include <string>

#include "adf/values/general_info.h"
#include "adf/values/plane.h"
#include "qtplatform/property_page.h"

QT_BEGIN_NAMESPACE
class QCheckBox;
class QComboBox;
class QLineEdit;
class QPushButton;
QT_END_NAMESPACE

namespace trevalo {

class SpeedEdits;

class CWizardPage8 : public qtplatform::PropertyPage {
public:
    enum Control : int {
        kPlane = 1046,
        kHelp = 1050,
        kAdvanced = 1157,
        kCruiseAltitude = 1188,
        kLandingSpeed = 1189,
        kUpdate = 1190,
        kLandingSpeedMach = 1191,
        kV1 = 1193,
        kV1Mach = 1195,
        kVr = 1197,
        kVrMach = 1200,
        kV2 = 1203,
        kV2Mach = 1205,
        kFinalFlaps = 1208,
        kNoFlaps = 1209,
        kClimbSpeed = 1213,
        kClimbSpeedMach = 1215,
        kCruiseSpeed = 1217,
        kCruiseSpeedMach = 1218,
        kDescentSpeed = 1219,
        kDescentSpeedMach = 1220,
        kEnginesOff = 1221,
    };

    // The plane comes from the general page's values; the base directory ends with a
    // backslash.
    CWizardPage8(adf::PlaneValues& values, const adf::GeneralInfoValues& general, std::string baseDirectory);
    ~CWizardPage8() override;

    // The general page's plane changed: its values are loaded from the plane file.
    void OnPlaneChanged();
    // The values changed from outside (File > New, a definition read): shown again.
    void ShowValues();
    // For the definition writer and the weather page: open edits are stored first.
    adf::PlanePerformance GetPlaneData();
    bool IsEditing() const { return editing_; }

    void OnUpdate();
    void OnAdvanced();
    void OnNoFlaps();

protected:
    bool OnInitDialog() override;
    bool OnSetActive() override;
    void DoDataExchange(qtplatform::DataExchange& dx) override;

private:
    void FillPlaneCombo();
    void LoadPlane();
    void SavePlane();
    void ApplyEditingState();

    adf::PlaneValues& values_;
    const adf::GeneralInfoValues& general_;
    std::string baseDirectory_;
    bool editing_ = false;
    std::unique_ptr<SpeedEdits> speeds_;
    QComboBox* plane_;
    QCheckBox* noFlaps_;
    QPushButton* advanced_;
};

}  // namespace trevalo
