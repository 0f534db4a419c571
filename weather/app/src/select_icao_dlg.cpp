#include "wxapp/select_icao_dlg.h"

#include <QFormLayout>
#include <QLineEdit>
#include <QVBoxLayout>

#include "platform/message_box.h"
#include "qtplatform/control_ids.h"
#include "qtplatform/dialog_buttons.h"
#include "qtplatform/dialog_units.h"
#include "qtplatform/feedback.h"
#include "qtplatform/report_list.h"
#include "wx/icao_stations.h"

namespace wxapp {
namespace {

constexpr qtplatform::PartColumn kColumns[] = {{"ICAO Id", 1, true}, {"Name", 6}};
constexpr int kPartsInWidth = 7;
constexpr QSize kListSize{220, 160};  // dialog units

}  // namespace

CSelectIcaoDlg::CSelectIcaoDlg(std::string simFolder, QWidget* parent)
    : Dialog(parent),
      simFolder_(std::move(simFolder)),
      list_(qtplatform::WithId(new qtplatform::ReportList, kStationList)) {
    setWindowTitle(QStringLiteral("Select ICAO"));
    auto* layout = new QVBoxLayout(this);
    list_->setMinimumSize(qtplatform::DialogUnitsToPixels(*this, kListSize));
    layout->addWidget(list_);
    auto* count = qtplatform::WithId(new QLineEdit, kItemCount);
    count->setReadOnly(true);
    auto* form = new QFormLayout;
    form->addRow(QStringLiteral("Items:"), count);
    layout->addLayout(form);
    layout->addWidget(qtplatform::DialogButtons(*this, QDialogButtonBox::Cancel));
    connect(list_, &QTreeWidget::itemDoubleClicked, this,
            [this](QTreeWidgetItem* item, int) { OnDoubleClickStation(list_->indexOfTopLevelItem(item)); });
}

bool CSelectIcaoDlg::OnInitDialog() {
    chosenIdent_.clear();
    chosenRecord_ = -1;
    list_->SetColumns(qtplatform::ColumnsInParts(kColumns, kPartsInWidth, list_->width()));
    const std::optional<std::vector<wx::StationName>> stations = wx::ReadStationNames(simFolder_);
    if (!stations) {
        platform::MessageBox("The ICAO file could not be opened.\nThe current action has been canceled", {},
                             platform::MbIcon::Information);
        // Closed once the dialog runs: it cannot end while it is being shown.
        QMetaObject::invokeMethod(
            this, [this] { EndDialog(Rejected); }, Qt::QueuedConnection);
        return Dialog::OnInitDialog();
    }
    const qtplatform::WaitCursor wait;
    itemCount_ = 0;
    for (const wx::StationName& station : *stations) list_->AppendRow({station.ident, station.name}, itemCount_++);
    return Dialog::OnInitDialog();
}

void CSelectIcaoDlg::DoDataExchange(qtplatform::DataExchange& dx) { dx.Int(kItemCount, itemCount_); }

void CSelectIcaoDlg::OnDoubleClickStation(int row) {
    if (row < 0) return;
    chosenIdent_ = list_->Cell(row, 0);
    chosenRecord_ = wx::FindIcaoIndex(simFolder_, chosenIdent_);
    EndDialog(Accepted);
}

}  // namespace wxapp
