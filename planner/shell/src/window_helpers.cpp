#include "shell/window_helpers.h"

#ifdef TREVALO_HAVE_PRINTING
#include <QPageLayout>
#include <QPrinter>
#include <QPrinterInfo>
#endif

namespace trevalo {

QPrinter* ApplicationPrinter() {
#ifdef TREVALO_HAVE_PRINTING
    // Kept for the whole run, as the print setup's choices are.
    static QPrinter* printer = nullptr;
    if (printer == nullptr) {
        const QPrinterInfo info = QPrinterInfo::defaultPrinter();
        if (info.isNull()) return nullptr;
        printer = new QPrinter(info);
    }
    return printer;
#else
    return nullptr;
#endif
}

namespace {
constexpr int kTenthsPerMillimetre = 10;
}

PageSize PageSizeOfMillimetres(double width, double height) {
    return {static_cast<int>(width) * kTenthsPerMillimetre, static_cast<int>(height) * kTenthsPerMillimetre};
}

PageSize GetPrinterPageSize() {
#ifdef TREVALO_HAVE_PRINTING
    if (QPrinter* printer = ApplicationPrinter()) {
        const QSizeF millimetres = printer->pageLayout().fullRect(QPageLayout::Millimeter).size();
        if (!millimetres.isEmpty()) return PageSizeOfMillimetres(millimetres.width(), millimetres.height());
    }
#endif
    return kDefaultPageSize;
}

}  // namespace trevalo
