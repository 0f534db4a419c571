// About Quillet: the program's name and version.
#pragma once

#include "qtplatform/dialog.h"

namespace quillet {

class CAboutDlg : public qtplatform::Dialog {
public:
    explicit CAboutDlg(QWidget* parent = nullptr);
};

}  // namespace quillet
