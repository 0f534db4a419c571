#include "wizard/summary_sheet.h"

#include <QListWidget>

#include "qtplatform/control_ids.h"

namespace trevalo {
namespace {
constexpr int kListRightMargin = 10;
constexpr int kListBottomMargin = 30;
}  // namespace

CSummaryPage1::CSummaryPage1()
    : PropertyPage("Summary"), list_(qtplatform::WithId(new QListWidget(this), kSummaryList)) {}

CSummarySheet::CSummarySheet() : PropertySheet("CSummarySheet") { AddPage(summary_); }

void CSummarySheet::FitList() {
    summary_.List().setGeometry(0, 0, width() - kListRightMargin, height() - kListBottomMargin);
}

}  // namespace trevalo
