// The modal "Holding Airports" dialog: the route's airports with their holding choice;
// "&Edit" opens "Holding Radio" for the selected airport and stores the choice in its
// route point.
//
// The view keeps one dialog and runs it from the show-holding command:
//   holdingDialog.SetRoute(&route.Points(), &database.navaidLines);
//   holdingDialog.exec();
#pragma once

#include <vector>

#include "beaconex/navaid_array.h"
#include "map/route_point.h"
#include "qtplatform/dialog.h"

class QPushButton;

namespace qtplatform {
class ReportList;
}

namespace trevalo {

class CHoldingAirportsDlg : public qtplatform::Dialog {
public:
    enum Control : int {
        kAirportList = 1226,
        kEdit = 1228,
        kOnlyWithinRange = 1230,
        kRange = 1232,
    };

    explicit CHoldingAirportsDlg(QWidget* parent = nullptr);
    ~CHoldingAirportsDlg() override;

    // The route points whose holding values the dialog changes, and the navaid list that
    // those values index; both stay the caller's. The first route point's value becomes -2.
    void SetRoute(std::vector<CRoutePoint>* points, const CNavaidArray* navaids);

    int RangeNm() const { return rangeNm_; }
    bool OnlyWithinRange() const { return onlyWithinRange_; }

protected:
    void DoDataExchange(qtplatform::DataExchange& dx) override;
    bool OnInitDialog() override;

private:
    void FillList();
    void OnEdit();
    void OnRangeEdited();
    void UpdateEditButton();
    // The route point of the selected row; -1 when none is selected.
    int SelectedPoint() const;

    int rangeNm_;
    bool onlyWithinRange_ = true;
    std::vector<CRoutePoint>* points_ = nullptr;
    const CNavaidArray* navaids_ = nullptr;
    qtplatform::ReportList* list_;
    QPushButton* edit_;
};

}  // namespace trevalo
