#include "mapdialogs/select_vor_dlg.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QRadioButton>
#include <QVBoxLayout>

#include "qtplatform/control_ids.h"
#include "qtplatform/dialog_buttons.h"
#include "qtplatform/dialog_units.h"
#include "qtplatform/text.h"
#include "vor_radial.h"

namespace trevalo {
namespace {

constexpr int kMinRadial = 0;
constexpr int kMaxRadial = 359;
constexpr const char* kDistanceTemplateText = "Distance to waypoint";
constexpr QSize kListSize{120, 80};  // dialog units

}  // namespace

CSelectVorDlg::CSelectVorDlg(const VorDialogRequest& request, QWidget* parent)
    : Dialog(parent),
      request_(request),
      distanceText_(kDistanceTemplateText),
      list_(qtplatform::WithId(new QListWidget, kPointList)) {
    setWindowTitle(QStringLiteral("Select VOR details"));
    auto* layout = new QVBoxLayout(this);
    auto* radialGroup = new QGroupBox(QStringLiteral("Radial"));
    auto* groupLayout = new QVBoxLayout(radialGroup);
    groupLayout->addWidget(qtplatform::WithId(new QRadioButton(QStringLiteral("Vor1")), kVor1));
    groupLayout->addWidget(qtplatform::WithId(new QRadioButton(QStringLiteral("Vor2")), kVor2));
    groupLayout->addWidget(qtplatform::WithId(new QLineEdit, kRadial));
    groupLayout->addWidget(qtplatform::WithId(new QLabel(QString::fromLatin1(kDistanceTemplateText)), kDistance));
    layout->addWidget(radialGroup);

    list_->setMinimumSize(qtplatform::DialogUnitsToPixels(*this, kListSize));
    layout->addWidget(list_);

    layout->addWidget(qtplatform::DialogButtons(*this, QDialogButtonBox::Ok | QDialogButtonBox::Cancel));

    connect(list_, &QListWidget::itemSelectionChanged, this, [this] { OnListSelection(); });
}

CSelectVorDlg::~CSelectVorDlg() = default;

void CSelectVorDlg::DoDataExchange(qtplatform::DataExchange& dx) {
    // The two radio buttons' ids are not consecutive.
    bool vor1 = whichVor_ == 0;
    bool vor2 = whichVor_ == 1;
    dx.Check(kVor1, vor1);
    dx.Check(kVor2, vor2);
    if (dx.saving()) whichVor_ = vor2 ? 1 : 0;
    dx.Int(kRadial, radial_);
    dx.MinMaxInt(radial_, kMinRadial, kMaxRadial);
    dx.Text(kDistance, distanceText_);
}

bool CSelectVorDlg::OnInitDialog() {
    ComputeRadialAndDistance();
    FillList();
    return Dialog::OnInitDialog();
}

void CSelectVorDlg::ComputeRadialAndDistance() {
    const std::optional<mapdialogs_detail::RadialAndDistance> computed = mapdialogs_detail::RadialFromPrevious(
        request_.previousX, request_.previousY, request_.x, request_.y, request_.correction);
    if (!computed) return;
    radial_ = computed->radial;
    distanceText_ = mapdialogs_detail::DistanceText(computed->distanceNm);
}

void CSelectVorDlg::ShowRadialAndDistance() {
    qtplatform::DataExchange dx(*this, qtplatform::DataExchange::Direction::ToControls);
    dx.Int(kRadial, radial_);
    dx.Text(kDistance, distanceText_);
}

void CSelectVorDlg::FillList() {
    QListWidget& list = *list_;
    const QSignalBlocker blocker(list);
    list.clear();
    if (request_.routePoints == nullptr) return;
    for (const CRoutePoint& point : *request_.routePoints)
        list.addItem(qtplatform::ToQString(mapdialogs_detail::RoutePointItemText(point)));
    if (request_.selectedPoint >= 0 && request_.selectedPoint < list.count()) {
        list.setCurrentRow(request_.selectedPoint);
    }
}

void CSelectVorDlg::OnListSelection() {
    QListWidget& list = *list_;
    const QList<QListWidgetItem*> selected = list.selectedItems();
    if (selected.isEmpty()) {
        FillList();
        return;
    }
    const int row = list.row(selected.front());
    if (request_.routePoints == nullptr || row >= static_cast<int>(request_.routePoints->size())) return;
    const CRoutePoint& point = (*request_.routePoints)[static_cast<size_t>(row)];
    request_.selectedPoint = row;
    request_.previousX = point.x;
    request_.previousY = point.y;
    ComputeRadialAndDistance();
    ShowRadialAndDistance();
    FillList();
}

}  // namespace trevalo
