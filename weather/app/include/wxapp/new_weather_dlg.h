// "New Weather" (dialog 136): whether a new weather record is the global weather or a
// local one.
#pragma once

#include "qtplatform/dialog.h"

class QPushButton;

namespace wxapp {

class CNewWeatherDlg : public qtplatform::Dialog {
public:
    enum Control : int { kGlobalWx = 1034, kLocalWx = 1035 };
    enum Result : int { kNone = -1, kGlobal = 0, kLocal = 1 };

    explicit CNewWeatherDlg(QWidget* parent = nullptr);

    void SetAllowed(bool global, bool local) {
        globalAllowed_ = global;
        localAllowed_ = local;
    }
    int Choice() const { return choice_; }

protected:
    bool OnInitDialog() override;
    void OnCancel() override;

private:
    void Choose(int choice);

    QPushButton* global_;
    QPushButton* local_;
    bool globalAllowed_ = true;
    bool localAllowed_ = true;
    int choice_ = kNone;
};

}  // namespace wxapp
