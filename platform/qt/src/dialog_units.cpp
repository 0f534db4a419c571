#include "qtplatform/dialog_units.h"

#include <QFontMetrics>

#include "platform/mul_div.h"

namespace qtplatform {
namespace {
constexpr int kHorizontalUnitsPerChar = 4;
constexpr int kVerticalUnitsPerChar = 8;

int HorizontalPixels(const QFontMetrics& metrics, int units) {
    return platform::MulDiv(units, metrics.averageCharWidth(), kHorizontalUnitsPerChar);
}
int VerticalPixels(const QFontMetrics& metrics, int units) {
    return platform::MulDiv(units, metrics.height(), kVerticalUnitsPerChar);
}
}  // namespace

QSize DialogUnitsToPixels(const QWidget& dialog, QSize units) {
    const QFontMetrics metrics(dialog.font());
    return QSize(HorizontalPixels(metrics, units.width()), VerticalPixels(metrics, units.height()));
}

QRect DialogUnitsToPixels(const QWidget& dialog, QRect units) {
    const QFontMetrics metrics(dialog.font());
    return QRect(QPoint(HorizontalPixels(metrics, units.left()), VerticalPixels(metrics, units.top())),
                 DialogUnitsToPixels(dialog, units.size()));
}

}  // namespace qtplatform
