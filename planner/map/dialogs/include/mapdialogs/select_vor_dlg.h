// The modal "Select VOR details" dialog of route editing: whether a VOR route point is
// the first or second VOR of a radial pair, and its radial, offered from the course of
// the previous VOR point (or of the route point picked in its list) to this one.
// Reached through QtRouteDialogs::SelectVor.
#pragma once

#include <string>
#include <vector>

#include "map/route_ports.h"
#include "qtplatform/dialog.h"

class QListWidget;

namespace trevalo {

class CSelectVorDlg : public qtplatform::Dialog {
public:
    enum Control : int {
        kRadial = 1119,
        kVor1 = 1122,
        kVor2 = 1125,
        kDistance = 1169,
        kPointList = 1171,
    };

    explicit CSelectVorDlg(const VorDialogRequest& request, QWidget* parent = nullptr);
    ~CSelectVorDlg() override;

    int WhichVor() const { return whichVor_; }  // 0 "Vor1", 1 "Vor2"
    unsigned Radial() const { return static_cast<unsigned>(radial_); }
    const std::string& DistanceText() const { return distanceText_; }

protected:
    // OK closes only with a radial from 0 to 359.
    void DoDataExchange(qtplatform::DataExchange& dx) override;
    bool OnInitDialog() override;

private:
    void ComputeRadialAndDistance();
    void ShowRadialAndDistance();
    void FillList();
    void OnListSelection();

    VorDialogRequest request_;
    int whichVor_ = 0;
    int radial_ = 0;
    std::string distanceText_;
    QListWidget* list_;
};

}  // namespace trevalo
