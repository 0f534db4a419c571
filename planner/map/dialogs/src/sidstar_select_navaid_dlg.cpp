#include <QVBoxLayout>

#include "map/sidstar_lookups.h"
#include "mapdialogs/select_navaid_dlg.h"
#include "qtplatform/control_ids.h"
#include "qtplatform/dialog_buttons.h"
#include "qtplatform/dialog_units.h"
#include "qtplatform/report_list.h"

namespace trevalo {
namespace {

using qtplatform::PartColumn;

constexpr PartColumn kColumns[] = {{"Type", 1}, {"Name", 2}, {"ID", 1}, {"Number", 1}};
constexpr int kPartsInWidth = 4;
constexpr QSize kListSize{250, 100};  // dialog units
constexpr int kTypeColumn = 0;
constexpr const char* kNavaidType = "Nav";
constexpr const char* kAirportType = "Airp";
constexpr const char* kNothingFound = "No item found";
constexpr std::int64_t kNoRecord = -1;

}  // namespace

CSelectNavaidDlg::CSelectNavaidDlg(std::string ident, const NavDatabase& database, QWidget* parent)
    : Dialog(parent),
      ident_(std::move(ident)),
      database_(database),
      list_(qtplatform::WithId(new qtplatform::ReportList, kChoiceList)) {
    setWindowTitle(QStringLiteral("Select Navaid"));
    auto* layout = new QVBoxLayout(this);
    list_->setMinimumSize(qtplatform::DialogUnitsToPixels(*this, kListSize));
    layout->addWidget(list_);
    layout->addWidget(qtplatform::DialogButtons(*this, QDialogButtonBox::Ok | QDialogButtonBox::Cancel));
    connect(list_, &QTreeWidget::itemDoubleClicked, this, [this] { OnOK(); });
}

CSelectNavaidDlg::~CSelectNavaidDlg() = default;

bool CSelectNavaidDlg::OnInitDialog() {
    index_ = kind_ = -1;
    list_->SetColumns(qtplatform::ColumnsInParts(kColumns, kPartsInWidth, list_->width()));
    list_->SetFullRowSelect(true);
    for (const NavaidChoice& choice : NavaidChoices(database_, ident_)) {
        list_->AppendRow({choice.kind == kNavaidChoice ? kNavaidType : kAirportType, choice.name, choice.ident,
                          std::to_string(choice.index)},
                         choice.index);
    }
    const bool found = list_->RowCount() > 0;
    if (!found) list_->AppendRow({"", kNothingFound}, kNoRecord);
    list_->setEnabled(found);
    return Dialog::OnInitDialog();
}

void CSelectNavaidDlg::Choose(int row) {
    const std::string type = list_->Cell(row, kTypeColumn);
    const std::int64_t key = list_->RowKey(row).value_or(kNoRecord);
    if (key == kNoRecord || (type != kNavaidType && type != kAirportType)) {
        index_ = kind_ = -1;
        return;
    }
    index_ = static_cast<int>(key);
    kind_ = type == kNavaidType ? kNavaidChoice : kAirportChoice;
}

void CSelectNavaidDlg::OnOK() {
    const int selected = list_->SelectedRow();
    Choose(selected >= 0 ? selected : 0);
    Dialog::OnOK();
}

void CSelectNavaidDlg::OnCancel() {
    index_ = kind_ = -1;
    Dialog::OnCancel();
}

}  // namespace trevalo
