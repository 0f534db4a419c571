#include <QVBoxLayout>

#include "mapdialogs/select_sid_star_dlg.h"
#include "platform/message_box.h"
#include "qtplatform/control_ids.h"
#include "qtplatform/dialog_buttons.h"
#include "qtplatform/dialog_units.h"
#include "qtplatform/report_list.h"

namespace trevalo {
namespace {

using qtplatform::PartColumn;

constexpr PartColumn kColumns[] = {{"ID", 1}, {"Name", 1}, {"Type", 1}};
constexpr int kPartsInWidth = 3;
constexpr QSize kListSize{220, 100};  // dialog units
constexpr const char* kNotOnFile = "Not on file";
constexpr const char* kNoLegs = "There are no values for this ID.\nDefault landing will be used";
constexpr const char* kTooManyProcedures =
    "This runway has more procedures of this type than the list holds;\nonly the first 10 are listed.";
constexpr const char* kTooManyLegs = "A procedure of this runway has more than 49 legs;\nonly the first 49 are used.";

}  // namespace

CSelectSidStarDlg::CSelectSidStarDlg(const SidStarStore& store, SidStarRequest request, std::span<fileval> storage,
                                     QWidget* parent)
    : Dialog(parent),
      store_(store),
      request_(std::move(request)),
      storage_(storage),
      list_(qtplatform::WithId(new qtplatform::ReportList, kProcedureList)) {
    setWindowTitle(QStringLiteral("Select STAR/SID"));
    auto* layout = new QVBoxLayout(this);
    list_->setMinimumSize(qtplatform::DialogUnitsToPixels(*this, kListSize));
    layout->addWidget(list_);
    layout->addWidget(qtplatform::DialogButtons(*this, QDialogButtonBox::Ok | QDialogButtonBox::Cancel));
    connect(list_, &QTreeWidget::itemDoubleClicked, this, [this] { OnOK(); });
}

CSelectSidStarDlg::~CSelectSidStarDlg() = default;

bool CSelectSidStarDlg::OnInitDialog() {
    list_->SetColumns(qtplatform::ColumnsInParts(kColumns, kPartsInWidth, list_->width()));
    list_->SetFullRowSelect(true);
    const TileContents contents = store_.Read(request_.latitude, request_.westLongitude);
    const ListedProcedures listed = ProceduresOfRunway(contents, request_);
    listed_ = listed.procedures;
    for (std::size_t i = 0; i < listed_.size(); ++i) {
        const ProcedureHeader& header = listed_[i].header;
        const int row =
            list_->AppendRow({header.procedureIdent, header.procedureName, header.type}, static_cast<std::int64_t>(i));
        if (!request_.chosenIdent.empty() && header.procedureIdent == request_.chosenIdent) list_->SelectRow(row);
    }
    const bool found = !listed_.empty();
    if (!found) list_->AppendRow({"", kNotOnFile}, -1);
    list_->setEnabled(found);
    if (listed.cut) platform::MessageBox(kTooManyProcedures, {}, platform::MbIcon::Information);
    if (listed.legsCut) platform::MessageBox(kTooManyLegs, {}, platform::MbIcon::Information);
    return Dialog::OnInitDialog();
}

void CSelectSidStarDlg::OnOK() {
    const int selected = list_->SelectedRow();
    const int row = selected >= 0 ? selected : 0;
    const std::int64_t key = list_->RowKey(row).value_or(-1);
    chosenIdent_.clear();
    copiedLegs_ = 0;
    if (key >= 0 && key < static_cast<std::int64_t>(listed_.size())) {
        const Procedure& chosen = listed_[static_cast<std::size_t>(key)];
        chosenIdent_ = chosen.header.procedureIdent;
        // Legs without the procedure's ident would read as the end mark.
        if (!chosenIdent_.empty()) copiedLegs_ = CopyLegRecords(chosen, storage_);
        if (copiedLegs_ == 0 && !chosenIdent_.empty()) {
            platform::MessageBox(kNoLegs, {}, platform::MbIcon::Information);
        }
    }
    Dialog::OnOK();
}

}  // namespace trevalo
