#include "shell/full_row_list_ctrl.h"

namespace trevalo {

CFullRowListCtrl::CFullRowListCtrl(QWidget* parent) : ReportList(parent) { SetFullRowSelect(false); }

void CFullRowListCtrl::SetFullRowStyle() { SetFullRowSelect(true); }

void CFullRowListCtrl::mousePressEvent(QMouseEvent* event) {
    SetFullRowStyle();
    ReportList::mousePressEvent(event);
}

void CFullRowListCtrl::mouseDoubleClickEvent(QMouseEvent* event) {
    SetFullRowStyle();
    ReportList::mouseDoubleClickEvent(event);
}

}  // namespace trevalo
