#include "wizard/wizard_page5.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>
#include <array>

#include "mapdialogs/select_sid_star_dlg.h"
#include "qtplatform/control_ids.h"
#include "qtplatform/report_list.h"
#include "shell/path_cleaning.h"
#include "shell/settings.h"

namespace trevalo {
namespace {

constexpr qtplatform::PartColumn kColumns[] = {{"Airport", 1}, {"Type", 1}, {"ID", 1}};
constexpr int kPartsInWidth = 3;

}  // namespace

CWizardPage5::CWizardPage5(adf::LandingValues& values, const adf::KeyCommandValues& keys, Route& route,
                           const NavDatabase& database)
    : PropertyPage("Landing"),
      values_(values),
      keys_(keys),
      route_(route),
      database_(database),
      list_(qtplatform::WithId(new qtplatform::ReportList, kAirportList)) {
    auto* layout = new QVBoxLayout(this);
    auto* row = new QHBoxLayout;
    auto* defaultLanding = qtplatform::WithId(new QCheckBox(QStringLiteral("Default Landing")), kDefaultLanding);
    auto* defaultButton = qtplatform::WithId(new QPushButton(QStringLiteral("Default")), kDefault);
    auto* edit = qtplatform::WithId(new QPushButton(QStringLiteral("Edit Item")), kEditItem);
    row->addWidget(defaultLanding);
    row->addWidget(defaultButton);
    row->addWidget(edit);
    row->addStretch(1);
    layout->addLayout(row);
    // The help above the list, which takes the rest of the page.
    auto* help = qtplatform::WithId(new QLabel, kHelp);
    help->setWordWrap(true);
    help->setAlignment(Qt::AlignTop | Qt::AlignLeft);
    layout->addWidget(help);
    layout->addWidget(list_, 1);
    list_->SetColumns(qtplatform::ColumnsInParts(kColumns, kPartsInWidth, list_->width()));
    connect(defaultLanding, &QCheckBox::clicked, this, [this] { OnDefault(); });
    connect(defaultButton, &QPushButton::clicked, this, [this] { OnDefault(); });
    // "Edit Item" does nothing; a double click opens the selection.
    connect(list_, &QTreeWidget::itemDoubleClicked, this, [this] { ChooseProcedure(); });
}

CWizardPage5::~CWizardPage5() = default;

bool CWizardPage5::OnInitDialog() {
    const bool result = PropertyPage::OnInitDialog();
    list_->SetFullRowSelect(true);
    ApplyEnableRule();
    return result;
}

bool CWizardPage5::OnSetActive() {
    values_.helpText = kLandingPageHelp;
    RefreshAirportList();
    return PropertyPage::OnSetActive();
}

// The columns share the list's width as the sheet lays it out.
void CWizardPage5::resizeEvent(QResizeEvent* event) {
    PropertyPage::resizeEvent(event);
    const std::vector<qtplatform::ReportColumn> columns =
        qtplatform::ColumnsInParts(kColumns, kPartsInWidth, list_->width());
    for (std::size_t i = 0; i < columns.size(); ++i) list_->setColumnWidth(static_cast<int>(i), columns[i].width);
}

void CWizardPage5::DoDataExchange(qtplatform::DataExchange& dx) {
    dx.Check(kDefaultLanding, values_.defaultLanding);
    dx.Text(kHelp, values_.helpText);
}

void CWizardPage5::ShowValues() {
    RefreshAirportList();
    if (!HasWindow()) return;
    UpdateData(false);
    ApplyEnableRule();
}

void CWizardPage5::OnDefault() {
    values_.defaultLanding = values_.defaultLanding == 0;
    ApplyEnableRule();
    UpdateData(false);
}

void CWizardPage5::ApplyEnableRule() {
    const bool procedures = values_.defaultLanding == 0;
    list_->setEnabled(procedures);
    qtplatform::FindControl(this, kEditItem)->setEnabled(procedures);
}

void CWizardPage5::RefreshAirportList() {
    rows_ = RefreshLandingSlots(values_, route_.Points());
    list_->DeleteAllRows();
    for (std::size_t i = 0; i < rows_.size(); ++i)
        list_->AppendRow({rows_[i].airport, rows_[i].type, rows_[i].ident}, static_cast<std::int64_t>(i));
    UpdateProcedures();
}

void CWizardPage5::ChooseProcedure(int row) {
    if (rows_.empty()) return;
    if (row < 0) row = std::max(list_->SelectedRow(), 0);
    if (row >= static_cast<int>(rows_.size())) return;
    // Airports past the slots keep the default landing.
    const int slot = rows_[static_cast<std::size_t>(row)].slot;
    const std::optional<SidStarRequest> request = SelectionRequestFor(values_, route_.Points(), database_, slot);
    if (request) RunSelection(row, *request, true);
}

void CWizardPage5::OfferProcedure(const SidStarRequest& shown) {
    if (shown.chosenIdent.empty()) return;
    RefreshAirportList();
    const auto row = std::find_if(rows_.begin(), rows_.end(),
                                  [&shown](const LandingRow& r) { return r.ident == shown.chosenIdent; });
    if (row == rows_.end() || row->slot < 0) return;
    RunSelection(static_cast<int>(row - rows_.begin()), shown, false);
}

void CWizardPage5::RunSelection(int row, const SidStarRequest& request, bool emptyChoiceClears) {
    const SidStarStore store(WithFinalBackslash(Settings().ReadString(SettingId::Directory)));
    std::array<fileval, kLegStorageSize> legs;
    CSelectSidStarDlg dialog(store, request, legs, this);
    // Cancel keeps the procedure chosen before.
    if (dialog.exec() != QDialog::Accepted) return;
    if (dialog.ChosenIdent().empty() && !emptyChoiceClears) return;
    LandingRow& shown = rows_[static_cast<std::size_t>(row)];
    adf::LandingSlot& chosen = values_.airports[static_cast<std::size_t>(shown.slot)];
    StoreProcedure(chosen, dialog.ChosenIdent(), std::span<const fileval>(legs.data(), legs.size()));
    shown.ident = chosen.ident;
    list_->SetCell(row, 2, chosen.ident);
    UpdateProcedures();
    if (mapRedraw_) mapRedraw_();
}

void CWizardPage5::ResetAirportProcedures(int firstAirport) { ResetLandingSlots(values_, firstAirport); }

void CWizardPage5::UpdateProcedures() { RebuildRouteProcedures(values_, route_.Points()); }

std::vector<std::string> CWizardPage5::ProcedureLegs(int airport) const { return ProcedureLegLines(values_, airport); }

bool CWizardPage5::HoldingEnabled() const { return keys_.holdingPatterns != 0; }

}  // namespace trevalo
