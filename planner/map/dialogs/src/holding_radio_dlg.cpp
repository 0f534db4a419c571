#include "mapdialogs/holding_radio_dlg.h"

#include <QCheckBox>
#include <QFontDatabase>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include "holding_candidates.h"
#include "qtplatform/control_ids.h"
#include "qtplatform/dialog_buttons.h"
#include "qtplatform/dialog_units.h"
#include "qtplatform/text.h"

namespace trevalo {
namespace {
constexpr QSize kListSize{250, 100};  // dialog units
constexpr int kWithin10NmResult = -1;
constexpr int kNoHoldingResult = -3;
}  // namespace

CHoldingRadioDlg::CHoldingRadioDlg(double airportX, double airportY, const CNavaidArray* navaids, int rangeNm,
                                   QWidget* parent)
    : Dialog(parent),
      airportX_(airportX),
      airportY_(airportY),
      navaids_(navaids),
      rangeNm_(rangeNm),
      list_(qtplatform::WithId(new QListWidget, kNavaidList)) {
    setWindowTitle(QStringLiteral("Holding Radio"));
    auto* layout = new QVBoxLayout(this);
    // The texts are laid out in fixed columns.
    list_->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    list_->setMinimumSize(qtplatform::DialogUnitsToPixels(*this, kListSize));
    layout->addWidget(list_);
    auto* within = qtplatform::WithId(new QCheckBox(QStringLiteral("Within 10nm of Airport")), kWithin10Nm);
    auto* none = qtplatform::WithId(new QCheckBox(QStringLiteral("No Holding at this Airport")), kNoHolding);
    layout->addWidget(within);
    layout->addWidget(none);

    layout->addWidget(qtplatform::DialogButtons(*this, QDialogButtonBox::Ok | QDialogButtonBox::Cancel));

    connect(list_, &QListWidget::itemDoubleClicked, this,
            [this](QListWidgetItem* item) { ChooseItem(list_->row(item)); });
    connect(within, &QCheckBox::clicked, this, [this] { OnSwitch(within10Nm_, kWithin10NmResult); });
    connect(none, &QCheckBox::clicked, this, [this] { OnSwitch(noHolding_, kNoHoldingResult); });
}

CHoldingRadioDlg::~CHoldingRadioDlg() = default;

void CHoldingRadioDlg::DoDataExchange(qtplatform::DataExchange& dx) {
    dx.Check(kWithin10Nm, within10Nm_);
    dx.Check(kNoHolding, noHolding_);
}

bool CHoldingRadioDlg::OnInitDialog() {
    itemTexts_.clear();
    if (navaids_ != nullptr)
        itemTexts_ = mapdialogs_detail::HoldingCandidateTexts(*navaids_, airportX_, airportY_, rangeNm_);
    FillList();
    return Dialog::OnInitDialog();
}

void CHoldingRadioDlg::FillList() {
    list_->clear();
    int selected = 0;
    for (const std::string& text : itemTexts_) {
        if (mapdialogs_detail::CandidateIndex(text) == result_) selected = list_->count();
        list_->addItem(qtplatform::ToQString(text));
    }
    if (list_->count() > 0) list_->setCurrentRow(selected);
}

void CHoldingRadioDlg::ChooseItem(int row) {
    if (row < 0 || row >= static_cast<int>(itemTexts_.size())) return;
    result_ = mapdialogs_detail::CandidateIndex(itemTexts_[static_cast<size_t>(row)]);
    EndDialog(Accepted);
}

void CHoldingRadioDlg::OnOK() {
    const QListWidgetItem* current = list_->currentItem();
    const int row = current != nullptr && current->isSelected() ? list_->currentRow() : -1;
    if (row >= 0) {
        ChooseItem(row);
        return;
    }
    within10Nm_ = true;
    UpdateData(false);
    result_ = kWithin10NmResult;
    EndDialog(Accepted);
}

void CHoldingRadioDlg::OnSwitch(const bool& switchOn, int result) {
    UpdateData(true);
    list_->setEnabled(!switchOn);
    result_ = result;
    EndDialog(Accepted);
}

}  // namespace trevalo
