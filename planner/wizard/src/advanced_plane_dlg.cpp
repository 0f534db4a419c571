#include "wizard/advanced_plane_dlg.h"

#include <QGridLayout>
#include <QVBoxLayout>

#include "qtplatform/dialog_buttons.h"
#include "speed_fields.h"

namespace trevalo {
namespace {

using D = CAdvancedPlaneDlg;
using P = adf::PlanePerformance;

// Two columns of V-speeds.
const std::vector<SpeedField> kLeftColumn = {
    {"VA:", D::kVa, D::kVaMach, &P::va},     {"VAPP:", D::kVapp, D::kVappMach, &P::vapp},
    {"VFE:", D::kVfe, D::kVfeMach, &P::vfe}, {"VLE:", D::kVle, D::kVleMach, &P::vle},
    {"VLO:", D::kVlo, D::kVloMach, &P::vlo}, {"VMC:", D::kVmc, D::kVmcMach, &P::vmc},
    {"VMO:", D::kVmo, D::kVmoMach, &P::vmo}, {"VNE:", D::kVne, D::kVneMach, &P::vne},
};
const std::vector<SpeedField> kRightColumn = {
    {"VNO:", D::kVno, D::kVnoMach, &P::vno}, {"VREF:", D::kVref, D::kVrefMach, &P::vref},
    {"VS:", D::kVs, D::kVsMach, &P::vs},     {"VSO:", D::kVso, D::kVsoMach, &P::vso},
    {"VTT:", D::kVtt, D::kVttMach, &P::vtt}, {"VX:", D::kVx, D::kVxMach, &P::vx},
    {"VY:", D::kVy, D::kVyMach, &P::vy},
};

}  // namespace

CAdvancedPlaneDlg::CAdvancedPlaneDlg(const adf::PlanePerformance& performance, QWidget* parent)
    : Dialog(parent), performance_(performance), speeds_(std::make_unique<SpeedEdits>()) {
    setWindowTitle(QStringLiteral("Advanced Plane Settings"));
    auto* layout = new QVBoxLayout(this);
    auto* columns = new QHBoxLayout;
    for (const std::vector<SpeedField>* column : {&kLeftColumn, &kRightColumn}) {
        auto* grid = new QGridLayout;
        speeds_->AddRows(*grid, *column);
        grid->setRowStretch(static_cast<int>(column->size()), 1);
        columns->addLayout(grid);
    }
    layout->addLayout(columns);
    layout->addWidget(qtplatform::DialogButtons(*this, QDialogButtonBox::Ok | QDialogButtonBox::Cancel));
}

CAdvancedPlaneDlg::~CAdvancedPlaneDlg() = default;

bool CAdvancedPlaneDlg::OnInitDialog() {
    const bool result = Dialog::OnInitDialog();
    speeds_->ConvertAll();
    return result;
}

void CAdvancedPlaneDlg::DoDataExchange(qtplatform::DataExchange& dx) { speeds_->Exchange(dx, performance_); }

}  // namespace trevalo
