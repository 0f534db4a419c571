// "About Wx" (dialog 100).
#pragma once

#include "qtplatform/dialog.h"

namespace wxapp {

class CAboutWxDlg : public qtplatform::Dialog {
public:
    explicit CAboutWxDlg(QWidget* parent = nullptr);
};

}  // namespace wxapp
