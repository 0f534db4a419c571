#include "list_columns.h"

#include <QHeaderView>
#include <QTreeWidgetItem>

namespace trevalo::mapdialogs_detail {
namespace {
// The list's frame, kept out of the width that the columns share.
constexpr int kListFrame = 4;

Qt::Alignment ColumnAlignment(bool centred) { return centred ? Qt::AlignHCenter : Qt::AlignLeft; }
}  // namespace

std::vector<ListColumn> ColumnsInParts(std::span<const PartColumn> columns, int partsInWidth, int listWidth) {
    const int part = partsInWidth > 0 ? (listWidth - kListFrame) / partsInWidth : 0;
    std::vector<ListColumn> result;
    for (const PartColumn& column : columns) result.push_back({column.title, column.parts * part, column.centred});
    return result;
}

void SetUpColumns(qtplatform::ReportList& list, std::span<const ListColumn> columns) {
    list.DeleteAllRows();
    list.setColumnCount(0);
    std::vector<qtplatform::ReportColumn> specs;
    for (const ListColumn& column : columns) specs.push_back({column.title, column.width});
    list.SetColumns(specs);
    for (size_t i = 0; i < columns.size(); ++i)
        list.headerItem()->setTextAlignment(static_cast<int>(i), ColumnAlignment(columns[i].centred));
}

int AppendRow(qtplatform::ReportList& list, const std::vector<std::string>& cells, std::int64_t key) {
    const int row = list.InsertRow(list.RowCount(), cells.empty() ? std::string() : cells.front());
    for (size_t column = 1; column < cells.size(); ++column)
        list.SetCell(row, static_cast<int>(column), cells[column]);
    QTreeWidgetItem* item = list.topLevelItem(row);
    for (int column = 0; column < list.columnCount(); ++column)
        item->setData(column, Qt::TextAlignmentRole, list.headerItem()->data(column, Qt::TextAlignmentRole));
    list.SetRowKey(row, key);
    return row;
}

}  // namespace trevalo::mapdialogs_detail
