// The modal "Select an Id" dialog of route editing: the airports (one row per runway
// direction), ILS and navaids near a map click, as the pick-list entries that the route
// builds; a double-click chooses one. Reached through QtRouteDialogs::SelectId.
#pragma once

#include <string>
#include <vector>

#include "mapdialogs/export.h"
#include "qtplatform/dialog.h"

namespace qtplatform {
class ReportList;
}

namespace trevalo {

class MAPDIALOGS_API CSelectIdDlg : public qtplatform::Dialog {
public:
    enum Control : int {
        kEntryList = 1001,
    };

    // Each list ends with its marker (kPickListAirportsEnd, kPickListNavaidsEnd).
    CSelectIdDlg(std::vector<std::string> airportEntries, std::vector<std::string> navaidEntries,
                 QWidget* parent = nullptr);
    ~CSelectIdDlg() override;

    // The double-clicked row and its entry; -1 and empty until one is chosen.
    int ChosenRow() const { return chosenRow_; }
    const std::string& ChosenEntry() const { return chosenEntry_; }

protected:
    bool OnInitDialog() override;

private:
    void OnDoubleClickRow(int row);

    std::vector<std::string> airportEntries_;
    std::vector<std::string> navaidEntries_;
    int chosenRow_ = -1;
    std::string chosenEntry_;
    qtplatform::ReportList* list_;
};

}  // namespace trevalo
