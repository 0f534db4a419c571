#include "mapdialogs/select_id_dlg.h"

#include <QVBoxLayout>

#include "pick_entry_row.h"
#include "qtplatform/control_ids.h"
#include "qtplatform/dialog_buttons.h"
#include "qtplatform/dialog_units.h"
#include "qtplatform/report_list.h"
#include "qtplatform/static_text.h"

namespace trevalo {
namespace {

using qtplatform::PartColumn;

constexpr PartColumn kColumns[] = {
    {"Runway/Type", 9}, {"ID", 5}, {"Type", 5, true}, {"Name", 20}, {"ILS", 5, true}, {"Lat", 4}, {"Lon", 4},
};
constexpr int kPartsInWidth = 50;
constexpr QSize kListSize{380, 150};  // dialog units

constexpr const char* kIlsNote =
    "* ILS's will be listed with the airports\t(Take off Hdg is runway hdg/ Landing is runway hdg+180)";
constexpr const char* kSidStarNote = "** SID && STAR have runway Heading.";

}  // namespace

CSelectIdDlg::CSelectIdDlg(std::vector<PickListEntry> airportEntries, std::vector<PickListEntry> navaidEntries,
                           QWidget* parent)
    : Dialog(parent),
      airportEntries_(std::move(airportEntries)),
      navaidEntries_(std::move(navaidEntries)),
      list_(qtplatform::WithId(new qtplatform::ReportList, kEntryList)) {
    setWindowTitle(QStringLiteral("Select an Id"));
    auto* layout = new QVBoxLayout(this);
    list_->setMinimumSize(qtplatform::DialogUnitsToPixels(*this, kListSize));
    layout->addWidget(list_);
    layout->addWidget(qtplatform::NewStaticText(kIlsNote));
    layout->addWidget(qtplatform::NewStaticText(kSidStarNote));

    layout->addWidget(qtplatform::DialogButtons(*this, QDialogButtonBox::Cancel));

    connect(list_, &QTreeWidget::itemDoubleClicked, this,
            [this](QTreeWidgetItem* item, int) { OnDoubleClickRow(list_->indexOfTopLevelItem(item)); });
}

CSelectIdDlg::~CSelectIdDlg() = default;

bool CSelectIdDlg::OnInitDialog() {
    qtplatform::ReportList& list = *list_;
    list.SetColumns(qtplatform::ColumnsInParts(kColumns, kPartsInWidth, list.width()));
    // Each row's key is its place among the airports, then the navaids.
    std::int64_t key = 0;
    for (const auto* entries : {&airportEntries_, &navaidEntries_}) {
        for (const PickListEntry& entry : *entries) list.AppendRow(mapdialogs_detail::PickEntryCells(entry), key++);
    }
    return Dialog::OnInitDialog();
}

void CSelectIdDlg::OnDoubleClickRow(int row) {
    const std::optional<std::int64_t> key = list_->RowKey(row);
    if (!key) return;
    const auto airports = static_cast<std::int64_t>(airportEntries_.size());
    const bool navaid = *key >= airports;
    const std::vector<PickListEntry>& entries = navaid ? navaidEntries_ : airportEntries_;
    const auto index = static_cast<size_t>(navaid ? *key - airports : *key);
    if (*key < 0 || index >= entries.size()) return;
    chosenRow_ = row;
    chosenEntry_ = entries[index];
    EndDialog(Accepted);
}

}  // namespace trevalo
