#include "mapdialogs/holding_airports_dlg.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "holding_texts.h"
#include "mapdialogs/holding_radio_dlg.h"
#include "platform/message_box.h"
#include "qtplatform/control_ids.h"
#include "qtplatform/dialog_buttons.h"
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

CHoldingAirportsDlg::CHoldingAirportsDlg(QWidget* parent)
    : Dialog(parent),
      rangeNm_(kDefaultRangeNm),
      list_(qtplatform::WithId(new qtplatform::ReportList, kAirportList)),
      edit_(qtplatform::WithId(new QPushButton(QStringLiteral("&Edit")), kEdit)) {
    setWindowTitle(QStringLiteral("Holding Airports"));
    auto* layout = new QVBoxLayout(this);
    list_->setMinimumSize(qtplatform::DialogUnitsToPixels(*this, kListSize));
    layout->addWidget(list_);

    auto* rangeRow = new QHBoxLayout;
    rangeRow->addWidget(edit_);
    rangeRow->addWidget(
        qtplatform::WithId(new QCheckBox(QStringLiteral("Only display items within ")), kOnlyWithinRange));
    auto* range = qtplatform::WithId(new QLineEdit, kRange);
    rangeRow->addWidget(range);
    rangeRow->addWidget(new QLabel(QStringLiteral(" nm")));
    layout->addLayout(rangeRow);

    layout->addWidget(qtplatform::DialogButtons(*this, QDialogButtonBox::Ok));

    connect(edit_, &QPushButton::clicked, this, [this] { OnEdit(); });
    connect(list_, &QTreeWidget::itemDoubleClicked, this, [this] { OnEdit(); });
    connect(list_, &QTreeWidget::itemSelectionChanged, this, [this] { UpdateEditButton(); });
    connect(range, &QLineEdit::editingFinished, this, [this] { OnRangeEdited(); });
}

CHoldingAirportsDlg::~CHoldingAirportsDlg() = default;

void CHoldingAirportsDlg::SetRoute(std::vector<CRoutePoint>* points, const CNavaidArray* navaids) {
    points_ = points;
    navaids_ = navaids;
}

void CHoldingAirportsDlg::DoDataExchange(qtplatform::DataExchange& dx) {
    dx.Check(kOnlyWithinRange, onlyWithinRange_);
    dx.Int(kRange, rangeNm_);
}

bool CHoldingAirportsDlg::OnInitDialog() {
    FillList();
    return Dialog::OnInitDialog();
}

void CHoldingAirportsDlg::FillList() {
    const int third = list_->width() / 3;
    list_->SetColumns({
        {"Airport", third - kColumnMargin},
        {"Navaid ID", third - kColumnMargin, true},
        {"Navaid Name", third * 5},
    });
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
            list_->AppendRow({point.ident, texts.first, texts.second}, static_cast<std::int64_t>(i));
        }
    }
    UpdateEditButton();
}

int CHoldingAirportsDlg::SelectedPoint() const {
    const std::optional<std::int64_t> key = list_->SelectedKey();
    if (!key || points_ == nullptr || *key < 0 || *key >= static_cast<std::int64_t>(points_->size())) return -1;
    return static_cast<int>(*key);
}

void CHoldingAirportsDlg::UpdateEditButton() {
    const int row = list_->SelectedRow();
    edit_->setEnabled(row >= 0 && row != kDepartureRow);
}

void CHoldingAirportsDlg::OnEdit() {
    const int index = SelectedPoint();
    if (index < 0) return;
    if (list_->SelectedRow() == kDepartureRow) {
        platform::MessageBox(kDepartureMessage, {}, platform::MbIcon::Information);
        return;
    }
    if (!UpdateData(true)) return;
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
