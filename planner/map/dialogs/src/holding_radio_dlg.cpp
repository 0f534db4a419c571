#include "mapdialogs/holding_radio_dlg.h"

#include <QCheckBox>
#include <QFontDatabase>
#include <QListWidget>
#include <QPushButton>
#include <QShowEvent>
#include <QVBoxLayout>

#include "dialog_buttons.h"
#include "holding_candidates.h"
#include "qtplatform/control_ids.h"
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
    : ExchangeDialog(parent), airportX_(airportX), airportY_(airportY), navaids_(navaids), rangeNm_(rangeNm) {
    setWindowTitle(QStringLiteral("Holding Radio"));
    auto* layout = new QVBoxLayout(this);
    auto* list = qtplatform::WithId(new QListWidget, kNavaidList);
    // The texts are laid out in fixed columns.
    list->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    list->setMinimumSize(qtplatform::DialogUnitsToPixels(*this, kListSize));
    layout->addWidget(list);
    auto* within = qtplatform::WithId(new QCheckBox(QStringLiteral("Within 10nm of Airport")), kWithin10Nm);
    auto* none = qtplatform::WithId(new QCheckBox(QStringLiteral("No Holding at this Airport")), kNoHolding);
    layout->addWidget(within);
    layout->addWidget(none);

    layout->addWidget(mapdialogs_detail::DialogButtons(*this, QDialogButtonBox::Ok | QDialogButtonBox::Cancel));

    connect(list, &QListWidget::itemDoubleClicked, this,
            [this, list](QListWidgetItem* item) { ChooseItem(list->row(item)); });
    connect(within, &QCheckBox::clicked, this, [this] { OnSwitch(within10Nm_, kWithin10NmResult); });
    connect(none, &QCheckBox::clicked, this, [this] { OnSwitch(noHolding_, kNoHoldingResult); });
}

CHoldingRadioDlg::~CHoldingRadioDlg() = default;

QListWidget& CHoldingRadioDlg::List() const { return *qtplatform::FindControl<QListWidget>(this, kNavaidList); }

void CHoldingRadioDlg::DoDataExchange(qtplatform::DataExchange& dx) {
    dx.Check(kWithin10Nm, within10Nm_);
    dx.Check(kNoHolding, noHolding_);
}

void CHoldingRadioDlg::showEvent(QShowEvent* event) {
    ExchangeDialog::showEvent(event);
    if (!event->spontaneous()) OnInitDialog();
}

void CHoldingRadioDlg::OnInitDialog() {
    itemTexts_.clear();
    if (navaids_ != nullptr)
        itemTexts_ = mapdialogs_detail::HoldingCandidateTexts(*navaids_, airportX_, airportY_, rangeNm_);
    FillList();
}

void CHoldingRadioDlg::FillList() {
    QListWidget& list = List();
    list.clear();
    int selected = 0;
    for (const std::string& text : itemTexts_) {
        if (mapdialogs_detail::CandidateIndex(text) == result_) selected = list.count();
        list.addItem(qtplatform::ToQString(text));
    }
    if (list.count() > 0) list.setCurrentRow(selected);
}

void CHoldingRadioDlg::ChooseItem(int row) {
    if (row < 0 || row >= static_cast<int>(itemTexts_.size())) return;
    result_ = mapdialogs_detail::CandidateIndex(itemTexts_[static_cast<size_t>(row)]);
    QDialog::accept();
}

void CHoldingRadioDlg::accept() {
    const int row = List().currentItem() != nullptr && List().currentItem()->isSelected() ? List().currentRow() : -1;
    if (row >= 0) {
        ChooseItem(row);
        return;
    }
    within10Nm_ = true;
    UpdateData(false);
    result_ = kWithin10NmResult;
    QDialog::accept();
}

void CHoldingRadioDlg::OnSwitch(const bool& switchOn, int result) {
    UpdateData(true);
    List().setEnabled(!switchOn);
    result_ = result;
    QDialog::accept();
}

}  // namespace trevalo
