// A bar docked at a side of a main window and laid out as a dialog template (the wizard
// bar): its controls, and the property sheets made inside it with PropertySheet::Create,
// sit at fixed places of its client area. It carries the id of the command that shows and
// hides it, so the bar is found by that id.
#pragma once

#include <QDockWidget>
#include <QMainWindow>
#include <QRect>
#include <QSize>

namespace qtplatform {

class DialogBar : public QDockWidget {
public:
    // The client area is the template's size in dialog units; the bar docks at the area.
    DialogBar(QMainWindow& frame, int id, Qt::DockWidgetArea area, QSize templateUnits);

    // Where controls and sheets go (their parent).
    QWidget& Client() const { return *client_; }
    // Puts a control with its id at a rectangle of the template, in dialog units.
    void AddControl(QWidget* control, int id, QRect units);
    // A control's rectangle in the client area's pixels; empty when there is no such control.
    QRect ControlRect(int id) const;

private:
    QWidget* client_;
};

}  // namespace qtplatform
