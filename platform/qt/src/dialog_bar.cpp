#include "qtplatform/dialog_bar.h"

#include "qtplatform/control_ids.h"
#include "qtplatform/dialog_units.h"

namespace qtplatform {

DialogBar::DialogBar(QMainWindow& frame, int id, Qt::DockWidgetArea area, QSize templateUnits)
    : QDockWidget(&frame), client_(new QWidget) {
    SetControlId(this, id);
    setFeatures(DockWidgetClosable | DockWidgetMovable);
    setAllowedAreas(Qt::LeftDockWidgetArea | Qt::RightDockWidgetArea);
    client_->setMinimumSize(DialogUnitsToPixels(*client_, templateUnits));
    setWidget(client_);
    frame.addDockWidget(area, this);
}

void DialogBar::AddControl(QWidget* control, int id, QRect units) {
    SetControlId(control, id);
    control->setParent(client_);
    control->setGeometry(DialogUnitsToPixels(*client_, units));
    control->show();
}

QRect DialogBar::ControlRect(int id) const {
    const QWidget* control = FindControl(client_, id);
    return control == nullptr ? QRect() : control->geometry();
}

}  // namespace qtplatform
