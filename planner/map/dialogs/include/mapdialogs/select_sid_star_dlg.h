// The modal "Select STAR/SID" dialog: the SIDs or STARs stored for one airport and
// runway (its "L/R" parallels too) in the SID/STAR tile files. OK copies the chosen
// procedure's legs into the opener's storage; Cancel leaves it as it was.
#pragma once

#include <span>
#include <string>
#include <vector>

#include "map/sidstar_selection.h"
#include "map/sidstar_store.h"
#include "qtplatform/dialog.h"

namespace qtplatform {
class ReportList;
}

namespace trevalo {

class CSelectSidStarDlg : public qtplatform::Dialog {
public:
    enum Control : int {
        kProcedureList = 1321,
    };

    // storage: the opener's leg records; the copy leaves its last slot for the end mark.
    CSelectSidStarDlg(const SidStarStore& store, SidStarRequest request, std::span<fileval> storage,
                      QWidget* parent = nullptr);
    ~CSelectSidStarDlg() override;

    // After OK: the chosen procedure's ident (empty for none) and its legs copied.
    const std::string& ChosenIdent() const { return chosenIdent_; }
    int CopiedLegs() const { return copiedLegs_; }

protected:
    bool OnInitDialog() override;
    // The selected row, or the first.
    void OnOK() override;

private:
    const SidStarStore& store_;
    SidStarRequest request_;
    std::span<fileval> storage_;
    std::vector<Procedure> listed_;
    std::string chosenIdent_;
    int copiedLegs_ = 0;
    qtplatform::ReportList* list_;
};

}  // namespace trevalo
