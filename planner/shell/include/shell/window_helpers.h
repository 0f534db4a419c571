// Two window helpers of the planner: the report-list text setter and the printer's page
// size, and the printer that the print setup edits.
#pragma once

#include <QtGlobal>
#include <cstddef>
#include <string>

#include "qtplatform/report_list.h"

QT_BEGIN_NAMESPACE
class QPrinter;
QT_END_NAMESPACE

namespace trevalo {

// Longest text a list cell takes; longer texts are cut.
inline constexpr std::size_t kListItemTextLimit = 255;

// Column 0: inserts a row with the text at index item and returns the new row's index.
// Other columns: sets that cell of row item and returns item. The text is cut at its
// first NUL and at kListItemTextLimit characters.
int SetListItemText(qtplatform::ReportList& list, std::string text, int item, int column);

struct PageSize {
    int width = 0;   // tenths of a millimetre
    int height = 0;
};

inline constexpr PageSize kDefaultPageSize{2100, 2960};

// A page of whole millimetres in tenths of a millimetre: the fractions of a millimetre are
// dropped, as the printer reports its size in whole millimetres.
PageSize PageSizeOfMillimetres(double width, double height);

// The application printer's page in tenths of a millimetre; kDefaultPageSize when there
// is no default printer.
PageSize GetPrinterPageSize();

// The application's printer, made from the default printer on first use; nullptr when
// there is none (or printing support is not built).
QPrinter* ApplicationPrinter();

}  // namespace trevalo
