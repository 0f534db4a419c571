// The modal "Holding Radio" dialog: the navaids (neither ILS nor VOR) near one route
// airport where the adventure's ATC may give a holding, or a holding 10 nm from the
// airport, or none. Result() is the route point's new holding value: a navaid's index in
// the navaid list, -1 (10 nm from the airport) or -3 (no holding).
#pragma once

#include <string>
#include <vector>

#include "beaconex/navaid_array.h"
#include "qtplatform/dialog.h"

class QListWidget;

namespace trevalo {

class CHoldingRadioDlg : public qtplatform::Dialog {
public:
    enum Control : int {
        kNavaidList = 1173,
        kWithin10Nm = 1174,
        kNoHolding = 1176,
    };

    // The airport's map position (arc-seconds, east and north positive); rangeNm -1 lists
    // the navaids at any distance. A null list lists nothing.
    CHoldingRadioDlg(double airportX, double airportY, const CNavaidArray* navaids, int rangeNm,
                     QWidget* parent = nullptr);
    ~CHoldingRadioDlg() override;

    // The current choice, whose item is selected when the dialog opens; -1 by default.
    void SetResult(int result) { result_ = result; }
    int Result() const { return result_; }
    // The list's texts: "%10s%50s%d" of ident, name and the navaid's index.
    const std::vector<std::string>& ItemTexts() const { return itemTexts_; }

protected:
    void DoDataExchange(qtplatform::DataExchange& dx) override;
    bool OnInitDialog() override;
    // With an item selected it is the result, else a holding 10 nm from the airport.
    void OnOK() override;

private:
    void FillList();
    void ChooseItem(int row);
    // A click on one of the two switches closes the dialog with its choice.
    void OnSwitch(const bool& switchOn, int result);

    double airportX_;
    double airportY_;
    const CNavaidArray* navaids_;
    int rangeNm_;
    int result_ = -1;
    bool within10Nm_ = false;
    bool noHolding_ = false;
    std::vector<std::string> itemTexts_;
    QListWidget* list_;
};

}  // namespace trevalo
