// Report-style lists: columns with headers (widths in pixels or in parts of the list's
// width, left or centred), rows of texts, a hidden key per row that the dialog reads back
// when a row is chosen, and full-row selection.
#pragma once

#include <QTreeWidget>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace qtplatform {

struct ReportColumn {
    std::string title;
    int width = 100;  // pixels
    bool centred = false;
};

// A column whose width is a number of parts of the list's width.
struct PartColumn {
    const char* title;
    int parts;
    bool centred = false;
};

// One part is (list width - 4) / partsInWidth pixels: the list's frame takes the rest.
std::vector<ReportColumn> ColumnsInParts(std::span<const PartColumn> columns, int partsInWidth, int listWidth);

class ReportList : public QTreeWidget {
    Q_OBJECT
public:
    explicit ReportList(QWidget* parent = nullptr);

    // Removes every row and column, then makes these columns.
    void SetColumns(std::span<const ReportColumn> columns);
    void SetColumns(std::initializer_list<ReportColumn> columns) {
        SetColumns(std::span<const ReportColumn>(columns.begin(), columns.size()));
    }
    void SetFullRowSelect(bool on);
    bool FullRowSelect() const;

    int RowCount() const { return topLevelItemCount(); }
    // Inserts a row with the text in column 0 at index (clamped to 0..RowCount) and
    // returns its index.
    int InsertRow(int index, const std::string& text);
    // False when the row does not exist.
    bool SetCell(int row, int column, const std::string& text);
    std::string Cell(int row, int column) const;
    // Appends a row of cells, aligned as their columns, with its hidden key; returns its index.
    int AppendRow(const std::vector<std::string>& cells, std::int64_t key);
    bool SetRowKey(int row, std::int64_t key);
    std::optional<std::int64_t> RowKey(int row) const;
    void DeleteAllRows() { clear(); }

    // -1 when no row is selected.
    int SelectedRow() const;
    void SelectRow(int row);
    std::optional<std::int64_t> SelectedKey() const;
};

// Longest text a list cell takes; longer texts are cut.
inline constexpr std::size_t kListItemTextLimit = 255;

// Column 0: inserts a row with the text at index item and returns the new row's index.
// Other columns: sets that cell of row item and returns item. The text is cut at its
// first NUL and at kListItemTextLimit characters.
int SetListItemText(ReportList& list, std::string text, int item, int column);

}  // namespace qtplatform
