// A layer list of the main dialog: a report list that selects whole rows and keeps its
// selection shown. A double-click edits (the selected row, or a new layer when none is
// selected); the Delete key deletes; a right click or the menu key opens the pop-up menu
// (menu 142): "&Add" while no row is selected, "&Update" and "&Delete" while one is.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "qtplatform/report_list.h"

class QMenu;

namespace wxapp {

class CLayerListCtrl : public qtplatform::ReportList {
    Q_OBJECT
public:
    enum Command : int { kPopupMenu = 142, kCmdDelete = 32776, kCmdAdd = 32777, kCmdUpdate = 32778 };

    explicit CLayerListCtrl(QWidget* parent = nullptr);

    // The columns share the list's width less 4 pixels equally.
    void SetEqualColumns(const std::vector<std::string>& titles);
    // Replaces the rows, each a row of cells.
    void SetRows(const std::vector<std::vector<std::string>>& rows);

    // The pop-up menu with its items enabled for the selection now.
    std::unique_ptr<QMenu> PopupMenu();

signals:
    // Add and Update (double-click, pop-up): the handler tells them by the selection.
    void editRequested();
    void deleteRequested();

protected:
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
};

}  // namespace wxapp
