// The lower sheet of the wizard bar: one page, "Summary", whose list has room for a
// summary of the adventure. Nothing adds lines to it yet, so it stays empty.
#pragma once

#include "qtplatform/property_page.h"
#include "qtplatform/property_sheet.h"

QT_BEGIN_NAMESPACE
class QListWidget;
QT_END_NAMESPACE

namespace trevalo {

class CSummaryPage1 : public qtplatform::PropertyPage {
public:
    enum Control : int { kSummaryList = 1044 };
    CSummaryPage1();
    QListWidget& List() const { return *list_; }

private:
    QListWidget* list_;
};

class CSummarySheet : public qtplatform::PropertySheet {
public:
    CSummarySheet();
    // Fits the page's list to the sheet: 10 pixels short of its right edge and 30 of its
    // bottom.
    void FitList();

private:
    CSummaryPage1 summary_;
};

}  // namespace trevalo
