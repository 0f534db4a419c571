// The modal "Find on Map" dialog behind the map view's Find command: searches the navaid
// and airport lists by ident and name and gives back the key of the chosen result.
//
// The view keeps one dialog, hands it its lists before each run, runs it and reads
// ChosenKey() whatever button closed it (empty: nothing chosen, the map stays):
//   findDialog.SetLists(&database.navaidLines, &database.airportLines);
//   findDialog.exec();
//   if (auto target = ParseFindOnMapKey(findDialog.ChosenKey()))
//       if (auto point = LocateFindOnMapTarget(database, *target)) CentreOn(*point);
#pragma once

#include <string>
#include <vector>

#include "aerodrex/airport_array.h"
#include "beaconex/navaid_array.h"
#include "mapdialogs/find_on_map_key.h"
#include "qtplatform/dialog.h"

class QLineEdit;

namespace qtplatform {
class ReportList;
}

namespace trevalo {

class CFindOnMapDlg : public qtplatform::Dialog {
public:
    enum Control : int {
        kSearchText = 1011,
        kNavaids = 1014,
        kFind = 1015,
        kAirports = 1017,
        kIdents = 1020,
        kName = 1023,
        kResults = 1026,
        kMatchCase = 1029,
    };

    explicit CFindOnMapDlg(QWidget* parent = nullptr);
    ~CFindOnMapDlg() override;

    // The lists stay the caller's; either may be null.
    void SetLists(const CNavaidArray* navaids, const CAirportArray* airports);

    // Emptied each time the dialog opens.
    const std::string& ChosenKey() const { return chosenKey_; }
    // One per row of the result list, in row order.
    const std::vector<std::string>& ResultKeys() const { return resultKeys_; }

protected:
    void DoDataExchange(qtplatform::DataExchange& dx) override;
    bool OnInitDialog() override;
    // OK or Enter: with a row selected its key is chosen and the dialog stays open;
    // without one it searches.
    void OnOK() override;

private:
    void SetUpColumns();
    void OnFind();
    void OnDoubleClickResult(int row);

    const CNavaidArray* navaids_ = nullptr;
    const CAirportArray* airports_ = nullptr;
    bool searchNavaids_ = true;
    bool searchAirports_ = true;
    bool compareIdents_ = true;
    bool compareNames_ = true;
    bool matchCase_ = false;
    std::string searchText_;
    std::vector<std::string> resultKeys_;
    std::string chosenKey_;
    QLineEdit* searchEdit_;
    qtplatform::ReportList* results_;
};

}  // namespace trevalo
