// "Select ICAO" (dialog 137): the simulator's weather stations from ICAO Name.CFG; a
// double-click picks one, with its record number in ICAO POS.BIN.
#pragma once

#include <string>

#include "qtplatform/dialog.h"

namespace qtplatform {
class ReportList;
}

namespace wxapp {

class CSelectIcaoDlg : public qtplatform::Dialog {
public:
    enum Control : int { kStationList = 1036, kItemCount = 1037 };

    explicit CSelectIcaoDlg(std::string simFolder, QWidget* parent = nullptr);

    const std::string& ChosenIdent() const { return chosenIdent_; }
    // -1 when none was picked or the station has no record in ICAO POS.BIN.
    int ChosenRecord() const { return chosenRecord_; }

protected:
    bool OnInitDialog() override;
    void DoDataExchange(qtplatform::DataExchange& dx) override;

private:
    void OnDoubleClickStation(int row);

    std::string simFolder_;
    qtplatform::ReportList* list_;
    int itemCount_ = 0;
    std::string chosenIdent_;
    int chosenRecord_ = -1;
};

}  // namespace wxapp
