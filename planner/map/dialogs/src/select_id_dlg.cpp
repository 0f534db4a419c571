#include "mapdialogs/select_id_dlg.h"

#include <QLabel>
#include <QPushButton>
#include <QShowEvent>
#include <QVBoxLayout>

#include "dialog_buttons.h"
#include "dialog_text.h"
#include "list_columns.h"
#include "map/route_ports.h"
#include "pick_entry_row.h"
#include "qtplatform/control_ids.h"
#include "qtplatform/dialog_units.h"
#include "qtplatform/report_list.h"
#include "qtplatform/text.h"

namespace trevalo {
namespace {

using mapdialogs_detail::PartColumn;

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

QLabel* NoteLabel(const char* templateText) {
    return new QLabel(qtplatform::ToQString(mapdialogs_detail::StaticText(templateText)));
}

}  // namespace

CSelectIdDlg::CSelectIdDlg(std::vector<std::string> airportEntries, std::vector<std::string> navaidEntries,
                           QWidget* parent)
    : QDialog(parent), airportEntries_(std::move(airportEntries)), navaidEntries_(std::move(navaidEntries)) {
    setWindowTitle(QStringLiteral("Select an Id"));
    auto* layout = new QVBoxLayout(this);
    auto* list = qtplatform::WithId(new qtplatform::ReportList, kEntryList);
    list->setMinimumSize(qtplatform::DialogUnitsToPixels(*this, kListSize));
    layout->addWidget(list);
    layout->addWidget(NoteLabel(kIlsNote));
    layout->addWidget(NoteLabel(kSidStarNote));

    layout->addWidget(mapdialogs_detail::DialogButtons(*this, QDialogButtonBox::Cancel));

    connect(list, &QTreeWidget::itemDoubleClicked, this,
            [this, list](QTreeWidgetItem* item, int) { OnDoubleClickRow(list->indexOfTopLevelItem(item)); });
}

CSelectIdDlg::~CSelectIdDlg() = default;

qtplatform::ReportList& CSelectIdDlg::List() const {
    return *qtplatform::FindControl<qtplatform::ReportList>(this, kEntryList);
}

void CSelectIdDlg::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (!event->spontaneous()) OnInitDialog();
}

void CSelectIdDlg::OnInitDialog() {
    qtplatform::ReportList& list = List();
    mapdialogs_detail::SetUpColumns(list, mapdialogs_detail::ColumnsInParts(kColumns, kPartsInWidth, list.width()));
    const auto addRows = [&list](const std::vector<std::string>& entries, const char* endMarker,
                                 std::int64_t keyBase) {
        for (size_t i = 0; i < entries.size() && i < static_cast<size_t>(kPickListCapacity); ++i) {
            if (entries[i] == endMarker) return;
            const std::optional<mapdialogs_detail::PickEntryRow> row = mapdialogs_detail::SplitPickEntry(entries[i]);
            if (!row) continue;
            mapdialogs_detail::AppendRow(list,
                                         {row->label, row->ident, row->kind, row->name, row->ils, row->latitudeCell,
                                          row->longitudeCell},
                                         keyBase + static_cast<std::int64_t>(i));
        }
    };
    addRows(airportEntries_, kPickListAirportsEnd, 0);
    addRows(navaidEntries_, kPickListNavaidsEnd, kNavaidKeyBase);
}

void CSelectIdDlg::OnDoubleClickRow(int row) {
    const std::optional<std::int64_t> key = List().RowKey(row);
    if (!key) return;
    const bool navaid = *key >= kNavaidKeyBase;
    const std::vector<std::string>& entries = navaid ? navaidEntries_ : airportEntries_;
    const auto index = static_cast<size_t>(navaid ? *key - kNavaidKeyBase : *key);
    if (index >= entries.size()) return;
    chosenRow_ = row;
    chosenEntry_ = entries[index];
    accept();
}

}  // namespace trevalo
