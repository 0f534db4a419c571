// A report list that turns on full-row selection when it is first clicked.
#pragma once

#include "qtplatform/report_list.h"

namespace trevalo {

class CFullRowListCtrl : public qtplatform::ReportList {
public:
    explicit CFullRowListCtrl(QWidget* parent = nullptr);

    void SetFullRowStyle();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
};

}  // namespace trevalo
