// "Tip of the Day": the next tip of AdvTip.txt each time it is shown, "&Next Tip" for
// another, and whether tips show at start-up. It keeps one size, that of the longest tip,
// so its buttons stay under the mouse from tip to tip.
#pragma once

#include <string>

#include "periphery/tip_of_the_day.h"
#include "qtplatform/dialog.h"

QT_BEGIN_NAMESPACE
class QLabel;
class QPushButton;
QT_END_NAMESPACE

namespace trevalo {

class CTipDlg : public qtplatform::Dialog {
public:
    enum Control : int { kFrame = 1000, kShowAtStartUp = 1003, kNextTip = 1006, kTipText = 1009 };

    // Reads the next tip at once, so the position moves on also when it is never shown.
    explicit CTipDlg(const std::string& tipsPath, QWidget* parent = nullptr);

    bool ShowAtStartUp() const { return tip_.ShowAtStartUp(); }

protected:
    bool OnInitDialog() override;
    void DoDataExchange(qtplatform::DataExchange& dx) override;
    void OnOK() override;

private:
    void OnNextTip();
    void ReserveTipHeight();

    TipOfTheDay tip_;
    bool showAtStartUp_;
    std::string text_;
    QLabel* tipText_;
    QPushButton* nextTip_;
};

}  // namespace trevalo
