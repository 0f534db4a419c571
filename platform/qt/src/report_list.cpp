#include "qtplatform/report_list.h"

#include <QHeaderView>
#include <algorithm>

#include "qtplatform/text.h"

namespace qtplatform {
namespace {
constexpr int kKeyRole = Qt::UserRole;
constexpr int kListFrame = 4;

Qt::Alignment ColumnAlignment(bool centred) { return centred ? Qt::AlignHCenter : Qt::AlignLeft; }
}  // namespace

std::vector<ReportColumn> ColumnsInParts(std::span<const PartColumn> columns, int partsInWidth, int listWidth) {
    const int part = partsInWidth > 0 ? (listWidth - kListFrame) / partsInWidth : 0;
    std::vector<ReportColumn> result;
    for (const PartColumn& column : columns) result.push_back({column.title, column.parts * part, column.centred});
    return result;
}

ReportList::ReportList(QWidget* parent) : QTreeWidget(parent) {
    setRootIsDecorated(false);
    setItemsExpandable(false);
    setUniformRowHeights(true);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setAllColumnsShowFocus(true);
    SetFullRowSelect(true);
}

void ReportList::SetColumns(std::span<const ReportColumn> columns) {
    DeleteAllRows();
    setColumnCount(0);
    QStringList titles;
    for (const ReportColumn& column : columns) titles << ToQString(column.title);
    setColumnCount(static_cast<int>(columns.size()));
    setHeaderLabels(titles);
    for (std::size_t i = 0; i < columns.size(); ++i) {
        const int column = static_cast<int>(i);
        setColumnWidth(column, columns[i].width);
        headerItem()->setTextAlignment(column, ColumnAlignment(columns[i].centred));
    }
}

void ReportList::SetFullRowSelect(bool on) {
    setSelectionBehavior(on ? QAbstractItemView::SelectRows : QAbstractItemView::SelectItems);
}

bool ReportList::FullRowSelect() const { return selectionBehavior() == QAbstractItemView::SelectRows; }

int ReportList::InsertRow(int index, const std::string& text) {
    const int row = std::clamp(index, 0, RowCount());
    auto* item = new QTreeWidgetItem(QStringList{ToQString(text)});
    insertTopLevelItem(row, item);
    return row;
}

bool ReportList::SetCell(int row, int column, const std::string& text) {
    QTreeWidgetItem* item = topLevelItem(row);
    if (item == nullptr || column < 0 || column >= columnCount()) return false;
    item->setText(column, ToQString(text));
    return true;
}

std::string ReportList::Cell(int row, int column) const {
    const QTreeWidgetItem* item = topLevelItem(row);
    return item == nullptr ? std::string() : FromQString(item->text(column));
}

int ReportList::AppendRow(const std::vector<std::string>& cells, std::int64_t key) {
    // The row is made whole before it joins the list: one change for the view to take in,
    // not one per cell, which counts in lists of thousands of rows.
    auto* item = new QTreeWidgetItem;
    const int columns = std::max(columnCount(), 1);
    for (int column = 0; column < columns; ++column) {
        if (static_cast<std::size_t>(column) < cells.size()) item->setText(column, ToQString(cells[column]));
        item->setData(column, Qt::TextAlignmentRole, headerItem()->data(column, Qt::TextAlignmentRole));
    }
    item->setData(0, kKeyRole, QVariant::fromValue<qint64>(key));
    const int row = RowCount();
    addTopLevelItem(item);
    return row;
}

bool ReportList::SetRowKey(int row, std::int64_t key) {
    QTreeWidgetItem* item = topLevelItem(row);
    if (item == nullptr) return false;
    item->setData(0, kKeyRole, QVariant::fromValue<qint64>(key));
    return true;
}

std::optional<std::int64_t> ReportList::RowKey(int row) const {
    const QTreeWidgetItem* item = topLevelItem(row);
    if (item == nullptr) return std::nullopt;
    const QVariant key = item->data(0, kKeyRole);
    if (!key.isValid()) return std::nullopt;
    return key.toLongLong();
}

int ReportList::SelectedRow() const {
    const QList<QTreeWidgetItem*> selected = selectedItems();
    return selected.isEmpty() ? -1 : indexOfTopLevelItem(selected.front());
}

void ReportList::SelectRow(int row) {
    QTreeWidgetItem* item = topLevelItem(row);
    if (item == nullptr) {
        clearSelection();
        return;
    }
    setCurrentItem(item);
    item->setSelected(true);
}

std::optional<std::int64_t> ReportList::SelectedKey() const {
    const int row = SelectedRow();
    return row < 0 ? std::nullopt : RowKey(row);
}

int SetListItemText(ReportList& list, std::string text, int item, int column) {
    // The list takes a NUL-terminated text of a bounded buffer.
    text.resize(std::min({text.find('\0'), text.size(), kListItemTextLimit}));
    if (column == 0) return list.InsertRow(item, text);
    list.SetCell(item, column, text);
    return item;
}

}  // namespace qtplatform
