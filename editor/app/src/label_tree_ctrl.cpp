#include "label_tree_ctrl.h"

#include <QHeaderView>
#include <QHelpEvent>
#include <QPainter>
#include <QToolTip>
#include <array>

namespace quillet {
namespace {

constexpr int kImageRole = Qt::UserRole + 1;
constexpr int kIconSize = 16;
// An item's state bits as the tree control numbers them.
constexpr int kStateSelected = 0x0002;
constexpr int kStateExpanded = 0x0020;

// The four images: nothing for a label, a page, a page marked blue, a folder.
QIcon MakeIcon(int image) {
    QPixmap pixmap(kIconSize, kIconSize);
    pixmap.fill(Qt::transparent);
    if (image == kImageLabel) return QIcon(pixmap);
    QPainter painter(&pixmap);
    painter.setPen(Qt::black);
    if (image == kImageFolder) {
        painter.setBrush(QColor(240, 200, 80));
        painter.drawRect(1, 4, 13, 10);
        painter.drawRect(1, 2, 5, 2);
    } else {
        painter.setBrush(image == kImageCurrentFile ? QColor(90, 140, 255) : QColor(Qt::white));
        painter.drawRect(3, 1, 10, 13);
        painter.drawLine(5, 5, 11, 5);
        painter.drawLine(5, 8, 11, 8);
    }
    return QIcon(pixmap);
}

const QIcon& IconOf(int image) {
    static const std::array<QIcon, 4> icons = {MakeIcon(0), MakeIcon(1), MakeIcon(2), MakeIcon(3)};
    return icons[static_cast<std::size_t>(image)];
}

}  // namespace

CLabelTreeCtrl::CLabelTreeCtrl(QWidget* parent) : QTreeWidget(parent) {
    setHeaderHidden(true);
    setColumnCount(1);
    setIconSize(QSize(kIconSize, kIconSize));
    setSortingEnabled(true);
    sortByColumn(0, Qt::AscendingOrder);
}

int CLabelTreeCtrl::ImageOf(const QTreeWidgetItem& item) { return item.data(0, kImageRole).toInt(); }

void CLabelTreeCtrl::SetImage(QTreeWidgetItem& item, int image) {
    item.setData(0, kImageRole, image);
    item.setIcon(0, IconOf(image));
}

bool CLabelTreeCtrl::viewportEvent(QEvent* event) {
    if (event->type() != QEvent::ToolTip) return QTreeWidget::viewportEvent(event);
    const auto* help = static_cast<QHelpEvent*>(event);
    const QModelIndex index = indexAt(help->pos());
    QTreeWidgetItem* item = itemFromIndex(index);
    if (item == nullptr) {
        QToolTip::hideText();
        return true;
    }
    const QRect row = visualRect(index);
    const bool overIcon = help->pos().x() < row.left() + iconSize().width();
    const int state = (item->isSelected() ? kStateSelected : 0) | (item->isExpanded() ? kStateExpanded : 0);
    const QString tip =
        overIcon ? QStringLiteral("Image : %1").arg(ImageOf(*item)) : QStringLiteral("State : %1").arg(state);
    QToolTip::showText(help->globalPos(), tip, viewport());
    return true;
}

}  // namespace quillet
