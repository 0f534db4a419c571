// Dialog sizes and places given in dialog units (a quarter of the average character
// width, an eighth of the character height of the dialog's font), turned into pixels.
#pragma once

#include <QRect>
#include <QSize>
#include <QWidget>

namespace qtplatform {

QSize DialogUnitsToPixels(const QWidget& dialog, QSize units);
QRect DialogUnitsToPixels(const QWidget& dialog, QRect units);

}  // namespace qtplatform
