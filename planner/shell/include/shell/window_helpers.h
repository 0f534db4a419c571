// The printer's page size, and the printer that the print setup edits.
#pragma once

#include <QtGlobal>

QT_BEGIN_NAMESPACE
class QPrinter;
QT_END_NAMESPACE

namespace trevalo {

struct PageSize {
    int width = 0;  // tenths of a millimetre
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
