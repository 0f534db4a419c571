// Report-style lists: columns with headers, rows of texts, a hidden key per row that the
// dialog reads back when a row is chosen, and full-row selection.
#pragma once

#include <QTreeWidget>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace qtplatform {

struct ReportColumn {
    std::string title;
    int width = 100;  // pixels
};

class ReportList : public QTreeWidget {
    Q_OBJECT
public:
    explicit ReportList(QWidget* parent = nullptr);

    void SetColumns(const std::vector<ReportColumn>& columns);
    void SetFullRowSelect(bool on);
    bool FullRowSelect() const;

    int RowCount() const { return topLevelItemCount(); }
    // Inserts a row with the text in column 0 at index (clamped to 0..RowCount) and
    // returns its index.
    int InsertRow(int index, const std::string& text);
    // False when the row does not exist.
    bool SetCell(int row, int column, const std::string& text);
    std::string Cell(int row, int column) const;
    bool SetRowKey(int row, std::int64_t key);
    std::optional<std::int64_t> RowKey(int row) const;
    void DeleteAllRows() { clear(); }

    // -1 when no row is selected.
    int SelectedRow() const;
    void SelectRow(int row);
    std::optional<std::int64_t> SelectedKey() const;
};

}  // namespace qtplatform
