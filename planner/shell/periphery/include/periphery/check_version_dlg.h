// "Check for new Version": asked when the version check's days have passed.
#pragma once

#include "qtplatform/dialog.h"
#include "shell/settings.h"

namespace trevalo {

inline constexpr const char* kVersionQuestionFormat =
    "Your current version is over %d days old.\nWould you like to check for a new version?\n";

class CCheckVersionDlg : public qtplatform::Dialog {
public:
    enum Control : int { kDontCheck = 1014, kQuestion = 1295 };
    enum Result : int { kClosed = 0, kCheck = 1, kLater = 2 };

    explicit CCheckVersionDlg(int days, QWidget* parent = nullptr);

protected:
    void OnOK() override { EndDialog(kCheck); }
    void OnCancel() override { EndDialog(kLater); }
    void OnClose() override { EndDialog(kClosed); }

private:
    // Stored at once: 0 while ticked, 1 while cleared.
    void OnDontCheck(bool ticked);

    Settings settings_;
};

}  // namespace trevalo
