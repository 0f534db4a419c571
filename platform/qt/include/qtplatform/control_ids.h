// Controls of a dialog named by their numeric ids, as the dialogs' tables give them:
// each control carries its id (object name "id_<n>" and the "controlId" property), so
// code and tests find it by the id alone.
#pragma once

#include <QWidget>

namespace qtplatform {

void SetControlId(QWidget* control, int id);
// The control's id; 0 when it has none.
int ControlIdOf(const QWidget* control);
QString ControlObjectName(int id);

// The control with the id below parent (nullptr when there is none or it is not a T).
template <class T = QWidget>
T* FindControl(const QWidget* parent, int id) {
    return parent->findChild<T*>(ControlObjectName(id));
}

// Gives the control its id and returns it, for building dialogs in one expression.
template <class T>
T* WithId(T* control, int id) {
    SetControlId(control, id);
    return control;
}

}  // namespace qtplatform
