#include "mapdialogs/select_id_dlg.h"

#include <QVBoxLayout>

#include "map/route_ports.h"
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

// Which of the two lists a row's key points into.
constexpr std::int64_t kNavaidKeyBase = kPickListCapacity;

}  // namespace

CSelectIdDlg::CSelectIdDlg(std::vector<std::string> airportEntries, std::vector<std::string> navaidEntries,
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
    const auto addRows = [&list](const std::vector<std::string>& entries, const char* endMarker,
                                 std::int64_t keyBase) {
        for (size_t i = 0; i < entries.size() && i < static_cast<size_t>(kPickListCapacity); ++i) {
            if (entries[i] == endMarker) return;
            const std::optional<mapdialogs_detail::PickEntryRow> row = mapdialogs_detail::SplitPickEntry(entries[i]);
            if (!row) continue;
            list.AppendRow({row->label, row->ident, row->kind, row->name, row->ils, row->latitudeCell,
                            row->longitudeCell},
                           keyBase + static_cast<std::int64_t>(i));
        }
    };
    addRows(airportEntries_, kPickListAirportsEnd, 0);
    addRows(navaidEntries_, kPickListNavaidsEnd, kNavaidKeyBase);
    return Dialog::OnInitDialog();
}

void CSelectIdDlg::OnDoubleClickRow(int row) {
    const std::optional<std::int64_t> key = list_->RowKey(row);
    if (!key) return;
    const bool navaid = *key >= kNavaidKeyBase;
    const std::vector<std::string>& entries = navaid ? navaidEntries_ : airportEntries_;
    const auto index = static_cast<size_t>(navaid ? *key - kNavaidKeyBase : *key);
    if (index >= entries.size()) return;
    chosenRow_ = row;
    chosenEntry_ = entries[index];
    EndDialog(Accepted);
}

}  // namespace trevalo
