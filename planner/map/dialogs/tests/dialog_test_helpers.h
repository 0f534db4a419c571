// Driving the dialogs' lists the way a user does.
#pragma once

#include <QListWidget>
#include <QTest>
#include <QTreeWidget>
#include <string>
#include <vector>

#include "qtplatform/report_list.h"

namespace trevalo::testing {

inline void DoubleClickRow(QTreeWidget& list, int row) {
    ASSERT_LT(row, list.topLevelItemCount());
    // The first cell: the whole row may reach beyond the viewport.
    const QPoint at = list.visualRect(list.model()->index(row, 0)).center();
    QTest::mouseClick(list.viewport(), Qt::LeftButton, {}, at);
    QTest::mouseDClick(list.viewport(), Qt::LeftButton, {}, at);
}

inline void DoubleClickItem(QListWidget& list, int row) {
    QListWidgetItem* item = list.item(row);
    ASSERT_NE(item, nullptr) << row;
    const QPoint at = list.visualItemRect(item).center();
    QTest::mouseClick(list.viewport(), Qt::LeftButton, {}, at);
    QTest::mouseDClick(list.viewport(), Qt::LeftButton, {}, at);
}

inline std::vector<std::string> RowCells(const qtplatform::ReportList& list, int row) {
    std::vector<std::string> cells;
    for (int column = 0; column < list.columnCount(); ++column) cells.push_back(list.Cell(row, column));
    return cells;
}

inline std::vector<std::string> ColumnTitles(const QTreeWidget& list) {
    std::vector<std::string> titles;
    for (int column = 0; column < list.columnCount(); ++column)
        titles.push_back(list.headerItem()->text(column).toStdString());
    return titles;
}

}  // namespace trevalo::testing
