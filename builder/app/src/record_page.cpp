#include "gathrelapp/record_page.h"

#include <QEvent>
#include <QHBoxLayout>

#include "gathrelapp/search_dlg.h"
#include "platform/message_box.h"
#include "platform/text.h"
#include "qtplatform/control_ids.h"
#include "qtplatform/static_text.h"

namespace gathrelapp {

namespace {

constexpr const char* kNoItemFound = "No item found";
constexpr const char* kPositionHelp = "The format is \nxx*xx.xx'";
constexpr const char* kInvalidLatitude = "Invalid Latitude FormatMust be xx*xx.xx'";
constexpr const char* kInvalidLongitude = "Invalid Longitude FormatMust be xx*xx.xx'";
constexpr const char* kNorthSouth[] = {"North", "South"};
constexpr const char* kEastWest[] = {"East", "West"};

}  // namespace

std::string ChosenText(const QComboBox* combo) { return platform::Trimmed(combo->currentText().toStdString()); }

RecordPage::RecordPage(std::string caption, gathrel::BuilderDatabase& database, int helpId)
    : PropertyPage(std::move(caption)),
      database_(database),
      help_(qtplatform::WithId(qtplatform::NewStaticText(""), helpId)),
      previous_(NewButton(kPrevious, "<<")),
      next_(NewButton(kNext, ">>")),
      search_(NewButton(kSearch, "&Search")),
      add_(NewButton(kAdd, "&Add")),
      edit_(NewButton(kEdit, "&Edit")) {
    help_->setWordWrap(true);
    help_->setMinimumHeight(help_->fontMetrics().height() * 3);
    connect(previous_, &QPushButton::clicked, this, [this] { ShowRecord(index_ - 1); });
    connect(next_, &QPushButton::clicked, this, [this] { ShowRecord(index_ + 1); });
    connect(search_, &QPushButton::clicked, this, [this] { OnSearch(); });
}

bool RecordPage::OnInitDialog() {
    FillCountries();
    ShowRecord(index_);
    return PropertyPage::OnInitDialog();
}

// The database may have been replaced by a scan or a merge since the page was shown.
bool RecordPage::OnSetActive() {
    FillCountries();
    const bool active = PropertyPage::OnSetActive();
    ShowRecord(index_);
    return active;
}

void RecordPage::ShowRecord(int index) {
    const int count = static_cast<int>(Lines().size());
    if (index >= count) index = 0;
    if (index < 0) index = count - 1;
    index_ = std::max(index, 0);
    ShowLine(count == 0 ? std::string() : Lines()[index_]);
    UpdateNavigation();
}

void RecordPage::UpdateNavigation() {
    const bool any = !Lines().empty();
    previous_->setEnabled(any);
    next_->setEnabled(any);
    search_->setEnabled(any);
}

QLineEdit* RecordPage::NewEdit(int id, const std::string& help) {
    auto* edit = qtplatform::WithId(new QLineEdit, id);
    helpTexts_[edit] = help;
    edit->installEventFilter(this);
    return edit;
}

QComboBox* RecordPage::NewCombo(int id, const std::string& help, const std::vector<std::string>& entries) {
    auto* combo = qtplatform::WithId(new QComboBox, id);
    for (const std::string& entry : entries) combo->addItem(QString::fromStdString(entry));
    if (!help.empty()) {
        helpTexts_[combo] = help;
        combo->installEventFilter(this);
    }
    return combo;
}

QPushButton* RecordPage::NewButton(int id, const char* caption) {
    return qtplatform::WithId(new QPushButton(QString::fromUtf8(caption)), id);
}

QLayout* RecordPage::ButtonRow() {
    auto* row = new QHBoxLayout;
    for (QPushButton* button : {previous_, next_, search_, add_, edit_}) row->addWidget(button);
    return row;
}

void RecordPage::AddRow(QGridLayout& grid, const char* label, QWidget* field, QWidget* beside) {
    const int row = grid.rowCount();
    grid.addWidget(qtplatform::NewStaticText(label), row, 0);
    grid.addWidget(field, row, 1);
    if (beside != nullptr) grid.addWidget(beside, row, 2);
}

void RecordPage::SetHelpText(const std::string& text) { help_->setText(QString::fromStdString(text)); }

bool RecordPage::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::FocusIn) {
        if (auto found = helpTexts_.find(watched); found != helpTexts_.end()) SetHelpText(found->second);
    } else if (event->type() == QEvent::FocusOut) {
        auto* field = qobject_cast<QLineEdit*>(watched);
        if (field != nullptr && positions_.count(field) != 0 && !field->text().trimmed().isEmpty()) {
            CheckPosition(field);
        }
    }
    return PropertyPage::eventFilter(watched, event);
}

void RecordPage::FillCountries() {
    QComboBox* combo = Countries();
    std::vector<std::string> names;
    for (const navdata::CountryEntry& entry : database_.countries) names.push_back(entry.name);
    std::sort(names.begin(), names.end());
    combo->clear();
    for (const std::string& name : names) combo->addItem(QString::fromStdString(name));
    combo->setCurrentIndex(names.empty() ? -1 : 0);
}

void RecordPage::Choose(QComboBox* combo, const std::string& text) {
    // A record without the text (a scanned navaid has no country) shows none.
    combo->setCurrentIndex(combo->findText(QString::fromStdString(platform::Trimmed(text))));
}

void RecordPage::AddPositionField(QLineEdit* field, QComboBox* hemisphere, gathrel::Axis axis) {
    helpTexts_[field] = kPositionHelp;
    positions_[field] = {hemisphere, axis};
    for (const char* name : axis == gathrel::Axis::Latitude ? kNorthSouth : kEastWest) {
        hemisphere->addItem(QString::fromUtf8(name));
    }
}

std::optional<double> RecordPage::CheckPosition(QLineEdit* field) {
    const PositionField& position = positions_.at(field);
    const bool negative = position.hemisphere->currentIndex() == 1;
    const auto degrees = gathrel::ReadPositionText(field->text().toStdString(), position.axis, negative);
    if (!degrees) {
        platform::MessageBox(position.axis == gathrel::Axis::Latitude ? kInvalidLatitude : kInvalidLongitude, {},
                             platform::MbIcon::Information);
        field->clear();
        return std::nullopt;
    }
    ShowPosition(field, gathrel::PositionAngleText(*degrees, position.axis));
    return degrees;
}

// The hemisphere letter goes to the combo, the rest of the angle text to the field.
void RecordPage::ShowPosition(QLineEdit* field, const std::string& angleText) {
    const std::string text = platform::Trimmed(angleText);
    const PositionField& position = positions_.at(field);
    const char first = position.axis == gathrel::Axis::Latitude ? 'N' : 'E';
    position.hemisphere->setCurrentIndex(text.empty() || text[0] == first ? 0 : 1);
    field->setText(QString::fromStdString(text.empty() ? text : text.substr(1)));
}

void RecordPage::OnSearch() {
    CSearchDlg search(this);
    if (search.exec() != QDialog::Accepted) return;
    const int found = FindIdent(ChosenText(Countries()), search.Ident());
    if (found < 0) {
        platform::MessageBox(kNoItemFound, {}, platform::MbIcon::Information);
        return;
    }
    ShowRecord(found);
}

}  // namespace gathrelapp
