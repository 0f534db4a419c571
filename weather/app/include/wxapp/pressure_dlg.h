// "Edit Pressure" (dialog 141): the pressure of a weather record.
#pragma once

#include "qtplatform/dialog.h"

namespace wxapp {

class CPressureDlg : public qtplatform::Dialog {
public:
    enum Control : int { kPressure = 1004 };

    explicit CPressureDlg(QWidget* parent = nullptr);

    // The stored pressure, shown in its shortest exact text ("1012.2").
    void SetPressure(float pressure);
    double Pressure() const { return pressure_; }

protected:
    void DoDataExchange(qtplatform::DataExchange& dx) override;

private:
    double pressure_ = 0;
};

}  // namespace wxapp
