// Controls of a dialog named by their numeric ids, as the dialogs' tables give them:
// each control carries its id (object name "id_<n>" and the "controlId" property).
//
// The convention: each dialog or page class lists its controls' ids in a nested
// `enum Control : int { kName = 1011, ... }`, keeps each control it uses as a typed
// member made in its constructor, and names the ids only in data exchange; tests find
// controls by id with FindControl.
#pragma once

#include <QWidget>

namespace qtplatform {

// The ids of every dialog's OK and Cancel buttons.
inline constexpr int kIdOk = 1;
inline constexpr int kIdCancel = 2;

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
