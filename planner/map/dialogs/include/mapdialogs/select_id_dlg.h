// The modal "Select an Id" dialog of route editing: the airports (one row per runway
// direction), ILS and navaids near a map click, as the pick-list entries that the route
// builds; a double-click chooses one. Reached through QtRouteDialogs::SelectId.
#pragma once

#include <optional>
#include <vector>

#include "map/pick_list_entry.h"
#include "qtplatform/dialog.h"

namespace qtplatform {
class ReportList;
}

namespace trevalo {

class CSelectIdDlg : public qtplatform::Dialog {
public:
    enum Control : int {
        kEntryList = 1001,
    };

    // One row per entry: the airports' rows first, then the navaids'.
    CSelectIdDlg(std::vector<PickListEntry> airportEntries, std::vector<PickListEntry> navaidEntries,
                 QWidget* parent = nullptr);
    ~CSelectIdDlg() override;

    // The double-clicked row and its entry; -1 and none until one is chosen.
    int ChosenRow() const { return chosenRow_; }
    const std::optional<PickListEntry>& ChosenEntry() const { return chosenEntry_; }

protected:
    bool OnInitDialog() override;

private:
    void OnDoubleClickRow(int row);

    std::vector<PickListEntry> airportEntries_;
    std::vector<PickListEntry> navaidEntries_;
    int chosenRow_ = -1;
    std::optional<PickListEntry> chosenEntry_;
    qtplatform::ReportList* list_;
};

}  // namespace trevalo
