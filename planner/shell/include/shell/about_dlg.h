// The "About Trevalo" box.
#pragma once

#include "qtplatform/dialog.h"

namespace trevalo {

inline constexpr const char* kVersionLine = "Trevalo Version 1.0";

class CAboutDlg : public qtplatform::Dialog {
public:
    explicit CAboutDlg(QWidget* parent = nullptr);
};

}  // namespace trevalo
