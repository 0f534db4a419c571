#include "qtplatform/dialog_units.h"

#include <QFontMetrics>

#include "qtplatform/mul_div.h"

namespace qtplatform {
namespace {
constexpr int kHorizontalUnitsPerChar = 4;
constexpr int kVerticalUnitsPerChar = 8;
}  // namespace

QSize DialogUnitsToPixels(const QWidget& dialog, QSize units) {
    const QFontMetrics metrics(dialog.font());
    return QSize(MulDiv(units.width(), metrics.averageCharWidth(), kHorizontalUnitsPerChar),
                 MulDiv(units.height(), metrics.height(), kVerticalUnitsPerChar));
}

}  // namespace qtplatform
