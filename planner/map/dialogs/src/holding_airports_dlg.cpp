#include "mapdialogs/holding_airports_dlg.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QShowEvent>
#include <QVBoxLayout>

#include "dialog_buttons.h"
#include "holding_texts.h"
#include "list_columns.h"
#include "mapdialogs/holding_radio_dlg.h"
#include "platform/message_box.h"
#include "qtplatform/control_ids.h"
#include "qtplatform/dialog_units.h"
#include "qtplatform/report_list.h"

namespace trevalo {
namespace {

constexpr int kDefaultRangeNm = 20;
constexpr int kMinRangeNm = 5;
constexpr int kMaxRangeNm = 500;
constexpr int kNoRange = -1;
constexpr int kDeparturePoint = 0;
// The first row is the departure, whatever kind of point opens the route.
constexpr int kDepartureRow = 0;
constexpr int kColumnMargin = 4;
constexpr QSize kListSize{260, 120};  // dialog units

constexpr const char* kDepartureMessage = "The departure airport does not have a holding point";
constexpr const char* kRangeMessage = "The ranges are 5nm to 500nm";

}  // namespace

CHoldingAirportsDlg::CHoldingAirportsDlg(QWidget* parent) : ExchangeDialog(parent), rangeNm_(kDefaultRangeNm) {
    setWindowTitle(QStringLiteral("Holding Airports"));
    auto* layout = new QVBoxLayout(this);
    auto* list = qtplatform::WithId(new qtplatform::ReportList, kAirportList);
    list->setMinimumSize(qtplatform::DialogUnitsToPixels(*this, kListSize));
    layout->addWidget(list);

    auto* rangeRow = new QHBoxLayout;
    auto* edit = qtplatform::WithId(new QPushButton(QStringLiteral("&Edit")), kEdit);
    rangeRow->addWidget(edit);
    rangeRow->addWidget(qtplatform::WithId(new QCheckBox(QStringLiteral("Only display items within ")), kOnlyWithinRange));
    auto* range = qtplatform::WithId(new QLineEdit, kRange);
    rangeRow->addWidget(range);
    rangeRow->addWidget(new QLabel(QStringLiteral(" nm")));
    layout->addLayout(rangeRow);

    layout->addWidget(mapdialogs_detail::DialogButtons(*this, QDialogButtonBox::Ok));

    connect(edit, &QPushButton::clicked, this, [this] { OnEdit(); });
    connect(list, &QTreeWidget::itemDoubleClicked, this, [this] { OnEdit(); });
    connect(list, &QTreeWidget::itemSelectionChanged, this, [this] { UpdateEditButton(); });
    connect(range, &QLineEdit::editingFinished, this, [this] { OnRangeEdited(); });
}

CHoldingAirportsDlg::~CHoldingAirportsDlg() = default;

void CHoldingAirportsDlg::SetRoute(std::vector<CRoutePoint>* points, const CNavaidArray* navaids) {
    points_ = points;
    navaids_ = navaids;
}

qtplatform::ReportList& CHoldingAirportsDlg::List() const {
    return *qtplatform::FindControl<qtplatform::ReportList>(this, kAirportList);
}

void CHoldingAirportsDlg::DoDataExchange(qtplatform::DataExchange& dx) {
    dx.Check(kOnlyWithinRange, onlyWithinRange_);
    dx.Int(kRange, rangeNm_);
}

void CHoldingAirportsDlg::showEvent(QShowEvent* event) {
    ExchangeDialog::showEvent(event);
    if (!event->spontaneous()) FillList();
}

void CHoldingAirportsDlg::FillList() {
    qtplatform::ReportList& list = List();
    const int third = list.width() / 3;
    const mapdialogs_detail::ListColumn columns[] = {
        {"Airport", third - kColumnMargin},
        {"Navaid ID", third - kColumnMargin, true},
        {"Navaid Name", third * 5},
    };
    mapdialogs_detail::SetUpColumns(list, columns);
    if (points_ != nullptr) {
        for (size_t i = 0; i < points_->size(); ++i) {
            CRoutePoint& point = (*points_)[i];
            if (!point.IsAirport()) continue;
            mapdialogs_detail::HoldingTexts texts;
            if (i == kDeparturePoint) {
                point.holding = kHoldingNotPlaced;
                texts = mapdialogs_detail::DepartureTexts();
            } else {
                texts = mapdialogs_detail::HoldingChoiceTexts(point.holding, navaids_);
            }
            mapdialogs_detail::AppendRow(list, {point.ident, texts.first, texts.second}, static_cast<std::int64_t>(i));
        }
    }
    UpdateEditButton();
}

int CHoldingAirportsDlg::SelectedPoint() const {
    const std::optional<std::int64_t> key = List().SelectedKey();
    if (!key || points_ == nullptr || *key < 0 || *key >= static_cast<std::int64_t>(points_->size())) return -1;
    return static_cast<int>(*key);
}

void CHoldingAirportsDlg::UpdateEditButton() {
    const int row = List().SelectedRow();
    qtplatform::FindControl<QPushButton>(this, kEdit)->setEnabled(row >= 0 && row != kDepartureRow);
}

void CHoldingAirportsDlg::OnEdit() {
    const int index = SelectedPoint();
    if (index < 0) return;
    if (List().SelectedRow() == kDepartureRow) {
        platform::MessageBox(kDepartureMessage, {}, platform::MbIcon::Information);
        return;
    }
    UpdateData(true);
    CRoutePoint& point = (*points_)[static_cast<size_t>(index)];
    CHoldingRadioDlg radio(point.x, point.y, navaids_, onlyWithinRange_ ? rangeNm_ : kNoRange, this);
    radio.SetResult(static_cast<int>(point.holding));
    if (radio.exec() != QDialog::Accepted) return;
    point.holding = radio.Result();
    FillList();
}

void CHoldingAirportsDlg::OnRangeEdited() {
    if (!UpdateData(true)) return;
    if (rangeNm_ >= kMinRangeNm && rangeNm_ <= kMaxRangeNm) return;
    platform::MessageBox(kRangeMessage, {}, platform::MbIcon::Information);
    rangeNm_ = kDefaultRangeNm;
    UpdateData(false);
}

}  // namespace trevalo
