// The frame of the map view inside the main frame: no system menu, always maximised.
#pragma once

#include <QMdiSubWindow>

namespace trevalo {

class CTrevaloDoc;
class CTrevaloView;

class CChildFrame : public QMdiSubWindow {
public:
    CChildFrame(CTrevaloDoc& document, CTrevaloView* view, QWidget* parent = nullptr);

    CTrevaloView* View() const { return view_; }

private:
    CTrevaloView* view_;
};

}  // namespace trevalo
