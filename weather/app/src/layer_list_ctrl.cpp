#include "wxapp/layer_list_ctrl.h"

#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QMenu>

namespace wxapp {
namespace {

// From the keyboard the menu opens this far inside the list's top-left corner.
constexpr int kKeyboardMenuInset = 5;
constexpr int kListFrame = 4;

}  // namespace

CLayerListCtrl::CLayerListCtrl(QWidget* parent) : ReportList(parent) { setContextMenuPolicy(Qt::DefaultContextMenu); }

void CLayerListCtrl::SetEqualColumns(const std::vector<std::string>& titles) {
    const int count = static_cast<int>(titles.size());
    const int width = count > 0 ? (this->width() - kListFrame) / count : 0;
    std::vector<qtplatform::ReportColumn> columns;
    for (const std::string& title : titles) columns.push_back({title, width});
    SetColumns(columns);
}

void CLayerListCtrl::SetRows(const std::vector<std::vector<std::string>>& rows) {
    DeleteAllRows();
    for (const std::vector<std::string>& cells : rows) {
        const int row =
            qtplatform::SetListItemText(*this, cells.empty() ? std::string() : cells.front(), RowCount(), 0);
        for (size_t column = 1; column < cells.size(); ++column)
            qtplatform::SetListItemText(*this, cells[column], row, static_cast<int>(column));
    }
}

std::unique_ptr<QMenu> CLayerListCtrl::PopupMenu() {
    auto menu = std::make_unique<QMenu>(this);
    menu->setObjectName(QStringLiteral("menu_%1").arg(kPopupMenu));
    const bool selected = SelectedRow() >= 0;
    const auto add = [&](const char* text, int id, bool enabled, auto signal) {
        QAction* action = menu->addAction(QString::fromLatin1(text));
        action->setObjectName(QStringLiteral("cmd_%1").arg(id));
        action->setEnabled(enabled);
        connect(action, &QAction::triggered, this, signal);
    };
    add("&Add", kCmdAdd, !selected, &CLayerListCtrl::editRequested);
    add("&Update", kCmdUpdate, selected, &CLayerListCtrl::editRequested);
    add("&Delete", kCmdDelete, selected, &CLayerListCtrl::deleteRequested);
    return menu;
}

void CLayerListCtrl::mouseDoubleClickEvent(QMouseEvent* event) {
    ReportList::mouseDoubleClickEvent(event);
    emit editRequested();
}

void CLayerListCtrl::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Delete) {
        emit deleteRequested();
        return;
    }
    ReportList::keyPressEvent(event);
}

void CLayerListCtrl::contextMenuEvent(QContextMenuEvent* event) {
    setFocus(Qt::PopupFocusReason);
    const QPoint at = event->reason() == QContextMenuEvent::Keyboard
                          ? mapToGlobal(QPoint(kKeyboardMenuInset, kKeyboardMenuInset))
                          : event->globalPos();
    PopupMenu()->exec(at);
}

}  // namespace wxapp
