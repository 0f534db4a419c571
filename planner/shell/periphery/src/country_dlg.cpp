#include "periphery/country_dlg.h"

#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>

#include "navdata/country_file.h"
#include "platform/message_box.h"
#include "qtplatform/control_ids.h"
#include "qtplatform/dialog_buttons.h"

namespace trevalo {
namespace {

constexpr int kListWidth = 180;
constexpr int kListHeight = 240;

qtplatform::ReportList* CountryList(int id) {
    auto* list = qtplatform::WithId(new qtplatform::ReportList, id);
    list->setSelectionMode(QAbstractItemView::ExtendedSelection);
    list->setMinimumSize(kListWidth, kListHeight);
    list->SetFullRowSelect(true);
    return list;
}

std::vector<int> SelectedRows(const qtplatform::ReportList& list) {
    std::vector<int> rows;
    for (QTreeWidgetItem* item : list.selectedItems()) rows.push_back(list.indexOfTopLevelItem(item));
    std::sort(rows.begin(), rows.end());
    return rows;
}

}  // namespace

CCountryDlg::CCountryDlg(const std::string& baseDirectory, QWidget* parent)
    : Dialog(parent),
      path_(baseDirectory + navdata::kCountryFileName),
      notLoaded_(CountryList(kNotLoaded)),
      loaded_(CountryList(kLoaded)),
      add_(qtplatform::WithId(new QPushButton(QStringLiteral("Add >")), kAdd)),
      remove_(qtplatform::WithId(new QPushButton(QStringLiteral("< Remove")), kRemove)) {
    setWindowTitle(QStringLiteral("Country / State"));
    auto* addAll = qtplatform::WithId(new QPushButton(QStringLiteral("Add All >>")), kAddAll);
    auto* removeAll = qtplatform::WithId(new QPushButton(QStringLiteral("<< Remove All")), kRemoveAll);
    auto* buttons = new QVBoxLayout;
    buttons->addStretch(1);
    for (QPushButton* button : {add_, addAll, remove_, removeAll}) buttons->addWidget(button);
    buttons->addStretch(1);
    auto* grid = new QGridLayout;
    grid->addWidget(new QLabel(QStringLiteral("Will NOT be loaded")), 0, 0);
    grid->addWidget(new QLabel(QStringLiteral("Will be loaded")), 0, 2);
    grid->addWidget(notLoaded_, 1, 0);
    grid->addLayout(buttons, 1, 1);
    grid->addWidget(loaded_, 1, 2);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addWidget(qtplatform::DialogButtons(*this, QDialogButtonBox::Ok | QDialogButtonBox::Cancel));

    connect(add_, &QPushButton::clicked, this, [this] { Move(*notLoaded_, *loaded_, false); });
    connect(addAll, &QPushButton::clicked, this, [this] { Move(*notLoaded_, *loaded_, true); });
    connect(remove_, &QPushButton::clicked, this, [this] { Move(*loaded_, *notLoaded_, false); });
    connect(removeAll, &QPushButton::clicked, this, [this] { Move(*loaded_, *notLoaded_, true); });
    connect(notLoaded_, &QTreeWidget::itemSelectionChanged, this, [this] { OnClickNotLoadedList(); });
    connect(loaded_, &QTreeWidget::itemSelectionChanged, this, [this] { OnClickLoadedList(); });
    connect(notLoaded_, &QTreeWidget::itemDoubleClicked, this, [this] { Move(*notLoaded_, *loaded_, false); });
    connect(loaded_, &QTreeWidget::itemDoubleClicked, this, [this] { Move(*loaded_, *notLoaded_, false); });
}

bool CCountryDlg::OnInitDialog() {
    for (qtplatform::ReportList* list : {notLoaded_, loaded_})
        list->SetColumns({{"Country", std::max(kListWidth, list->width()) - 4, true}});
    FillLists();
    add_->setEnabled(false);
    remove_->setEnabled(false);
    return Dialog::OnInitDialog();
}

void CCountryDlg::AppendCountry(qtplatform::ReportList& list, int index) {
    list.AppendRow({names_[static_cast<std::size_t>(index)]}, index);
}

void CCountryDlg::FillLists() {
    notLoaded_->DeleteAllRows();
    loaded_->DeleteAllRows();
    names_.clear();
    std::vector<navdata::CountryEntry> entries;
    fileRead_ = navdata::ReadCountryFile(path_, entries);
    for (const navdata::CountryEntry& entry : entries) {
        names_.push_back(entry.name);
        AppendCountry(entry.loaded ? *loaded_ : *notLoaded_, static_cast<int>(names_.size() - 1));
    }
}

void CCountryDlg::Move(qtplatform::ReportList& from, qtplatform::ReportList& to, bool all) {
    std::vector<int> rows;
    if (all) {
        for (int row = 0; row < from.RowCount(); ++row) rows.push_back(row);
    } else {
        rows = SelectedRows(from);
    }
    for (int row : rows) AppendCountry(to, static_cast<int>(*from.RowKey(row)));
    for (auto row = rows.rbegin(); row != rows.rend(); ++row) delete from.takeTopLevelItem(*row);
    OnClickNotLoadedList();
    OnClickLoadedList();
}

void CCountryDlg::OnClickNotLoadedList() {
    if (notLoaded_->selectedItems().isEmpty()) return add_->setEnabled(false);
    add_->setEnabled(true);
    remove_->setEnabled(false);
}

void CCountryDlg::OnClickLoadedList() {
    if (loaded_->selectedItems().isEmpty()) return remove_->setEnabled(false);
    remove_->setEnabled(true);
    add_->setEnabled(false);
}

void CCountryDlg::OnOK() {
    if (loaded_->RowCount() == 0 && platform::MessageBox(kNoCountryLoadedQuestion, {}, platform::MbIcon::Question,
                                                         platform::MbButtons::YesNo, 1) != platform::MbResult::Yes)
        return;
    // Without a file there is nothing to rewrite: the builder makes it.
    if (!fileRead_) return EndDialog(Accepted);
    std::vector<navdata::CountryEntry> entries;
    for (auto [list, loaded] : {std::pair{loaded_, true}, std::pair{notLoaded_, false}})
        for (int row = 0; row < list->RowCount(); ++row)
            entries.push_back({names_[static_cast<std::size_t>(*list->RowKey(row))], loaded});
    if (!navdata::WriteCountryFile(path_, entries)) {
        platform::MessageBox(kCountryWriteFailedMessage, {}, platform::MbIcon::Stop);
        return;
    }
    EndDialog(Accepted);
}

}  // namespace trevalo
