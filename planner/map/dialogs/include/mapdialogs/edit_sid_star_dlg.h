// The modal "Edit SID/STAR" dialog: the departure and arrival procedures of an airport's
// runways, written into the SID/STAR tile files. A header (airport, runway, type, ident,
// name, country, author, magnetic variation) and up to 49 legs, each leg's position
// computed from the previous one on request. The map view owns one and keeps its fields
// between openings.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "map/nav_database.h"
#include "map/sidstar_leg_fields.h"
#include "map/sidstar_selection.h"
#include "map/sidstar_store.h"
#include "qtplatform/dialog.h"

class QComboBox;
class QLineEdit;
class QPushButton;

namespace qtplatform {
class ReportList;
}

namespace trevalo {

class CEditSidStarDlg : public qtplatform::Dialog {
public:
    enum Control : int {
        kAutoCalc = 1014,
        kCheckValues = 1017,
        kUseMagVar = 1020,
        kType = 1055,
        kRunway = 1108,
        kAirportChooser = 1112,
        kAddLeg = 1177,
        kUpdateLeg = 1190,
        kNumber = 1234,
        kLatitude = 1237,
        kLongitude = 1239,
        kNumberSpin = 1242,
        kAuthor = 1244,
        kCountry = 1246,
        kIdent = 1248,
        kName = 1249,
        kSaveId = 1250,
        kDeleteLeg = 1251,
        kLegCode = 1252,
        kLegWord = 1253,
        kLegLatitude = 1254,
        kLegLongitude = 1255,
        kMinSpeed = 1256,
        kMaxSpeed = 1257,
        kMinAltitude = 1258,
        kMaxAltitude = 1259,
        kHeading = 1260,
        kAirportIdent = 1261,
        kAirportName = 1262,
        kNextDistance = 1263,
        kNextIdent = 1264,
        kNextText = 1265,
        kHeadingIdent = 1270,
        kNextRadial = 1272,
        kRecalculate = 1277,
        kMagVar = 1281,
        kLegList = 1321,
        kNewId = 32812,
        kDeleteId = 32813,
    };

    explicit CEditSidStarDlg(const SidStarStore& store, QWidget* parent = nullptr);
    ~CEditSidStarDlg() override;

    // The database the airport ident and the navaid lookups search; set before each run.
    void SetDatabase(const NavDatabase* database) { database_ = database; }

    // What the form shows, for the landing page after OK: the position (signed decimal
    // degrees, longitude west-positive), airport, runway, type and procedure ident.
    SidStarRequest ShownProcedure() const;

protected:
    void DoDataExchange(qtplatform::DataExchange& dx) override;
    bool OnInitDialog() override;
    // Asks to save, then closes.
    void OnOK() override;
    // Closes without a question.
    void OnCancel() override;

private:
    // Airport, runway and record (sidstar_edit_airport.cpp).
    void OnAirportIdentLeft();
    void OnChooserChosen(int item);
    void OnRunwayChosen();
    void FillRunwayBox(int line);
    // Fills the runway box from the line and selects its first runway that has a record 1.
    std::optional<TileRecord> SelectRunwayWithRecord(int line);
    std::optional<TileRecord> FindShownRunwayRecord(int number) const;
    void ShowRecordOrEmptyForm(int number);
    void ShowRecord(const TileRecord& record);
    void ShowEmptyForm();
    void EnableForm();
    double Latitude() const;
    double WestLongitude() const;

    // Legs (sidstar_edit_legs.cpp).
    void FillLegRows();
    void LoadLeg(int row);
    void StoreLeg(int row);
    void OnRowChosen(int row);
    void OnAddLeg();
    void OnUpdateLeg();
    void OnDeleteLeg();
    void OnRecalculate();
    bool Recalculate();
    void OnReferenceLeft(bool headingReference);
    void OnCodeLeft();
    void OnDirectionLeft(std::string LegFieldTexts::*field);
    void OnLimitLeft(std::string LegFieldTexts::*minimum, std::string LegFieldTexts::*maximum, bool minimumLeft);
    void OnPositionLeft(std::string LegFieldTexts::*field);
    bool HasCurrentLeg() const;

    // Records (sidstar_edit_records.cpp).
    void OnSaveId();
    void OnNewId();
    void OnDeleteId();
    void OnNumberSpin(int delta);
    void AskToSave();
    bool SaveShownRecord(int number);
    Procedure FormProcedure(int number) const;

    const SidStarStore& store_;
    const NavDatabase* database_ = nullptr;

    // Exchanged with the controls.
    std::string latitude_;
    std::string longitude_;
    int number_ = 0;
    bool autoCalc_ = true;
    bool checkValues_ = true;  // kept; nothing reads it
    bool useMagVar_ = true;
    std::string country_;
    std::string author_;
    std::string ident_;
    std::string name_;
    int typeIndex_ = 0;  // 0 "SID", 1 "STAR"
    std::string airportIdent_;
    std::string airportName_;
    std::string runway_;
    double magVar_ = 0.0;
    LegFieldTexts leg_ = ClearedLegFields();

    std::vector<ProcedureLeg> legs_;
    int currentLeg_ = -1;
    bool recordChanged_ = false;
    bool legChanged_ = false;
    bool procedureLoaded_ = false;
    std::string chooserIdent_;  // the ident the chooser was filled for

    qtplatform::ReportList* legList_;
    QComboBox* chooser_;
    QComboBox* runwayBox_;
    QLineEdit* airportNameEdit_;
    QPushButton* recalculate_;
};

}  // namespace trevalo
