// The "About Trevalo" box.
#pragma once

#include <QDialog>

namespace trevalo {

inline constexpr const char* kVersionLine = "Trevalo Version 1.0";

class CAboutDlg : public QDialog {
public:
    explicit CAboutDlg(QWidget* parent = nullptr);
};

}  // namespace trevalo
