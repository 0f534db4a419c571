// The modal "Select Navaid" dialog of the SID/STAR editor: the navaids, then the airport
// runway lines, whose ident equals a typed ident. After OK, Index() and Kind() tell the
// chosen record (kNavaidChoice: the navaid list, kAirportChoice: the airport list); -1
// for none.
#pragma once

#include <string>

#include "map/nav_database.h"
#include "map/sidstar_lookups.h"
#include "qtplatform/dialog.h"

namespace qtplatform {
class ReportList;
}

namespace trevalo {

class CSelectNavaidDlg : public qtplatform::Dialog {
public:
    enum Control : int {
        kChoiceList = 1275,
    };

    CSelectNavaidDlg(std::string ident, const NavDatabase& database, QWidget* parent = nullptr);
    ~CSelectNavaidDlg() override;

    int Index() const { return index_; }
    int Kind() const { return kind_; }

protected:
    bool OnInitDialog() override;
    // The selected row, or the first.
    void OnOK() override;
    void OnCancel() override;

private:
    void Choose(int row);

    std::string ident_;
    const NavDatabase& database_;
    int index_ = -1;
    int kind_ = -1;
    qtplatform::ReportList* list_;
};

}  // namespace trevalo
