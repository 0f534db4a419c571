#include "mapdialogs/find_on_map_dlg.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "find_on_map_search.h"
#include "platform/text.h"
#include "qtplatform/control_ids.h"
#include "qtplatform/dialog_buttons.h"
#include "qtplatform/dialog_units.h"
#include "qtplatform/feedback.h"
#include "qtplatform/report_list.h"

namespace trevalo {
namespace {

using qtplatform::PartColumn;

constexpr PartColumn kColumns[] = {
    {"ID", 7}, {"Name", 20}, {"Type", 10}, {"Lat", 5, true}, {"Lon", 5, true},
};
constexpr int kPartsInWidth = 35;
constexpr QSize kListSize{300, 140};  // dialog units

struct CheckBoxEntry {
    int id;
    const char* text;
};

constexpr CheckBoxEntry kCheckBoxes[] = {
    {CFindOnMapDlg::kNavaids, "&Navaids"}, {CFindOnMapDlg::kAirports, "&Airports"},   {CFindOnMapDlg::kIdents, "ID's"},
    {CFindOnMapDlg::kName, "Name"},        {CFindOnMapDlg::kMatchCase, "Match Case"},
};

}  // namespace

CFindOnMapDlg::CFindOnMapDlg(QWidget* parent)
    : Dialog(parent),
      searchEdit_(qtplatform::WithId(new QLineEdit, kSearchText)),
      results_(qtplatform::WithId(new qtplatform::ReportList, kResults)) {
    setWindowTitle(QStringLiteral("Find on Map"));
    auto* layout = new QVBoxLayout(this);

    auto* searchRow = new QHBoxLayout;
    searchRow->addWidget(searchEdit_);
    auto* find = qtplatform::WithId(new QPushButton(QStringLiteral("&Find")), kFind);
    searchRow->addWidget(find);
    layout->addLayout(searchRow);

    auto* switches = new QHBoxLayout;
    for (const CheckBoxEntry& entry : kCheckBoxes)
        switches->addWidget(qtplatform::WithId(new QCheckBox(QString::fromLatin1(entry.text)), entry.id));
    layout->addLayout(switches);

    results_->setMinimumSize(qtplatform::DialogUnitsToPixels(*this, kListSize));
    layout->addWidget(results_);

    layout->addWidget(qtplatform::DialogButtons(*this, QDialogButtonBox::Ok | QDialogButtonBox::Cancel));

    connect(find, &QPushButton::clicked, this, [this] { OnFind(); });
    connect(results_, &QTreeWidget::itemDoubleClicked, this,
            [this](QTreeWidgetItem* item, int) { OnDoubleClickResult(results_->indexOfTopLevelItem(item)); });
}

CFindOnMapDlg::~CFindOnMapDlg() = default;

void CFindOnMapDlg::SetLists(const CNavaidArray* navaids, const CAirportArray* airports) {
    navaids_ = navaids;
    airports_ = airports;
}

void CFindOnMapDlg::DoDataExchange(qtplatform::DataExchange& dx) {
    dx.Text(kSearchText, searchText_);
    dx.Check(kNavaids, searchNavaids_);
    dx.Check(kAirports, searchAirports_);
    dx.Check(kIdents, compareIdents_);
    dx.Check(kName, compareNames_);
    dx.Check(kMatchCase, matchCase_);
}

bool CFindOnMapDlg::OnInitDialog() {
    SetUpColumns();
    resultKeys_.clear();
    chosenKey_.clear();
    const bool shown = Dialog::OnInitDialog();
    // Each run starts at the search text, selected, so that the next ident replaces it.
    searchEdit_->setFocus();
    searchEdit_->selectAll();
    return shown;
}

void CFindOnMapDlg::SetUpColumns() {
    results_->SetColumns(qtplatform::ColumnsInParts(kColumns, kPartsInWidth, results_->width()));
}

void CFindOnMapDlg::OnFind() {
    UpdateData(true);
    resultKeys_.clear();
    SetUpColumns();
    const qtplatform::WaitCursor wait;

    mapdialogs_detail::FindOptions options;
    options.text = searchText_;
    options.navaids = searchNavaids_;
    options.airports = searchAirports_;
    options.idents = compareIdents_;
    options.names = compareNames_;
    options.matchCase = matchCase_;

    results_->setUpdatesEnabled(false);
    for (const mapdialogs_detail::FindResult& result : mapdialogs_detail::FindOnMap(navaids_, airports_, options)) {
        const auto key = static_cast<std::int64_t>(resultKeys_.size());
        resultKeys_.push_back(result.key);
        results_->AppendRow({platform::UpperCased(result.ident), platform::UpperCased(result.name),
                             result.airport ? "Airport" : "Navaid",
                             // The longitude cell comes first, under "Lat".
                             std::to_string(result.longitudeCell), std::to_string(result.latitudeCell)},
                            key);
    }
    results_->setUpdatesEnabled(true);
}

void CFindOnMapDlg::OnDoubleClickResult(int row) {
    const std::optional<std::int64_t> key = results_->RowKey(row);
    if (!key || *key < 0 || *key >= static_cast<std::int64_t>(resultKeys_.size())) return;
    chosenKey_ = resultKeys_[static_cast<size_t>(*key)];
    Dialog::OnOK();
}

void CFindOnMapDlg::OnOK() {
    const std::optional<std::int64_t> key = results_->SelectedKey();
    if (!key) {
        OnFind();
        return;
    }
    if (*key >= 0 && *key < static_cast<std::int64_t>(resultKeys_.size()))
        chosenKey_ = resultKeys_[static_cast<size_t>(*key)];
}

}  // namespace trevalo
