// The plane's speed edits with their Mach read-outs, shared by the plane page and the
// advanced plane settings: an unset value (-1) shows as an empty edit, leaving an edit
// puts its number back as "%d" and its Mach number beside it.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "adf/values/plane.h"
#include "qtplatform/data_exchange.h"

QT_BEGIN_NAMESPACE
class QGridLayout;
class QLabel;
class QLineEdit;
QT_END_NAMESPACE

namespace trevalo {

// An edit's text for a value; empty when not set.
std::string PerformanceText(int value);
// The leading number of an edit's text; not set when empty or below zero.
int PerformanceValue(std::string_view text);
void ExchangePerformance(qtplatform::DataExchange& dx, int id, int& value);

struct SpeedField {
    const char* caption;
    int editId;
    int readoutId;  // 0: none
    int adf::PlanePerformance::*member;
};

// The edits of a window's speed fields, laid out in a grid of caption, edit, read-out.
class SpeedEdits {
public:
    // Adds each field as a row of the grid from its first row on.
    void AddRows(QGridLayout& grid, const std::vector<SpeedField>& fields, int firstRow = 0);
    void Exchange(qtplatform::DataExchange& dx, adf::PlanePerformance& performance) const;
    // Every edit with a read-out: its text as "%d", its Mach number beside it.
    void ConvertAll() const;
    std::vector<QLineEdit*> Edits() const;
    QLineEdit* EditOf(int editId) const;

private:
    struct Row {
        SpeedField field;
        QLineEdit* edit;
        QLabel* readout;
    };
    static void Convert(const Row& row);

    std::vector<Row> rows_;
};

}  // namespace trevalo
