// Pieces the wizard's pages are laid out from: a page keeps its controls to the top.
#pragma once

#include <QtGlobal>

QT_BEGIN_NAMESPACE
class QBoxLayout;
class QCheckBox;
class QLabel;
QT_END_NAMESPACE

namespace trevalo {

QCheckBox* NewPageCheck(const char* caption, int id);
// The page's help text below what the layout holds, the free space after it.
QLabel* AddHelpText(QBoxLayout& layout, int id);

}  // namespace trevalo
