// "Configuration": the paths of the compiler and the companion programs, the install
// switches, the plane's real-time update, the version check and the FS2002 flights folder
// that adventures are copied into. "&Done" writes every setting, "&Cancel" none.
#pragma once

#include <string>

#include "generation/bound_function.h"
#include "generation/install_step.h"
#include "periphery/config_values.h"
#include "qtplatform/dialog.h"

QT_BEGIN_NAMESPACE
class QCheckBox;
class QComboBox;
class QGridLayout;
class QLineEdit;
QT_END_NAMESPACE

namespace trevalo {

inline constexpr const char* kMoveNeedsCreateMessage =
    "You have selected to move the adventure,\nThe adventure must be created in order to be moved\n";

class CConfigDlg : public qtplatform::Dialog {
public:
    enum Control : int {
        kBaseDirectory = 1012,
        kCompiler = 1019,
        kBrowseCompiler = 1022,
        kMapWizard = 1025,
        kBrowseMapWizard = 1028,
        kWeather = 1031,
        kBrowseWeather = 1034,
        kEditor = 1037,
        kBrowseEditor = 1041,
        kFtp = 1045,
        kBrowseFtp = 1047,
        kNewFlightsFolder = 1049,
        kMoveToDir = 1106,
        kFlightsFolder = 1118,
        kMoveAdv = 1184,
        kMoveSound = 1185,
        kAutoCreate = 1186,
        kMoveFlt = 1187,
        kCheckVersion = 1292,
        kCheckDays = 1113,
        kRealTime = 1312,
        kSeconds = 1314,
        kSecondsSpin = 1315,
        kAutoTab = 32799,
    };

    explicit CConfigDlg(QWidget* parent = nullptr);

protected:
    bool OnInitDialog() override;
    void DoDataExchange(qtplatform::DataExchange& dx) override;
    void OnOK() override;

private:
    void BuildPaths(QGridLayout* grid);
    void OnBrowse(int editId, const char* filter);
    void OnMoveAdv();
    void OnMoveFlt();
    void OnAutoCreate();
    void OnRealTime();
    void OnDeltaPosSpin(int delta);
    void OnChangeSeconds();
    void OnNewFlightsFolder();
    void FillFlightsFolders();
    // The index of the list entry equal to name, or -1; selects it when asked.
    int SelectFlightsFolder(const std::string& name, bool select);

    Settings settings_;
    ConfigValues values_;
    BoundFunction<LoadRegFunction> loadReg_{"Icarune.dll", "LoadReg"};
    QCheckBox* moveAdv_;
    QCheckBox* moveFlt_;
    QCheckBox* autoCreate_;
    QCheckBox* realTime_;
    QComboBox* moveToDir_;
    QComboBox* flightsFolder_;
    QLineEdit* seconds_;
};

}  // namespace trevalo
