// The editor's controls, their data exchange, opening, closing and enabling.
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "mapdialogs/edit_sid_star_dlg.h"
#include "qtplatform/control_ids.h"
#include "qtplatform/dialog_buttons.h"
#include "qtplatform/report_list.h"
#include "qtplatform/static_text.h"
#include "qtplatform/up_down_buttons.h"

namespace trevalo {
namespace {

using Dlg = CEditSidStarDlg;

// Controls that are enabled exactly while a procedure is shown.
constexpr int kProcedureControls[] = {
    Dlg::kLegList,   Dlg::kType,         Dlg::kCountry,      Dlg::kAuthor,      Dlg::kIdent,
    Dlg::kName,      Dlg::kLegCode,      Dlg::kLegWord,      Dlg::kLegLatitude, Dlg::kLegLongitude,
    Dlg::kMinSpeed,  Dlg::kMaxSpeed,     Dlg::kMinAltitude,  Dlg::kMaxAltitude, Dlg::kHeading,
    Dlg::kDeleteLeg, Dlg::kAddLeg,       Dlg::kSaveId,       Dlg::kUpdateLeg,   Dlg::kNextIdent,
    Dlg::kNextText,  Dlg::kHeadingIdent, Dlg::kNextDistance, Dlg::kNextRadial,  Dlg::kDeleteId,
};

// Header fields whose edits change the record, and leg fields whose edits change the leg.
constexpr int kRecordFields[] = {Dlg::kCountry, Dlg::kAuthor, Dlg::kIdent, Dlg::kName, Dlg::kMagVar};
constexpr int kLegFields[] = {
    Dlg::kLegCode,      Dlg::kLegWord,     Dlg::kLegLatitude, Dlg::kLegLongitude, Dlg::kMinSpeed,
    Dlg::kMaxSpeed,     Dlg::kMinAltitude, Dlg::kMaxAltitude, Dlg::kHeading,      Dlg::kHeadingIdent,
    Dlg::kNextDistance, Dlg::kNextIdent,   Dlg::kNextText,    Dlg::kNextRadial,
};

struct LegColumn {
    const char* title;
    bool centred;
};
constexpr LegColumn kLegColumnTitles[kLegColumns] = {
    {"Code", false},      {"id/ word", true}, {"lat", false},     {"lon", false}, {"speed min", false},
    {"speed max", false}, {"alt min", false}, {"alt max", false}, {"hdg", false},
};

QLineEdit* AddEdit(QGridLayout* grid, int row, int column, const char* label, int id) {
    auto* edit = qtplatform::WithId(new QLineEdit, id);
    if (label != nullptr) grid->addWidget(qtplatform::NewStaticText(label), row, column);
    grid->addWidget(edit, row, column + 1);
    return edit;
}

QPushButton* NewButton(const char* caption, int id) {
    return qtplatform::WithId(new QPushButton(QString::fromUtf8(caption)), id);
}

}  // namespace

CEditSidStarDlg::CEditSidStarDlg(const SidStarStore& store, QWidget* parent)
    : Dialog(parent),
      store_(store),
      legList_(qtplatform::WithId(new qtplatform::ReportList, kLegList)),
      chooser_(qtplatform::WithId(new QComboBox, kAirportChooser)),
      runwayBox_(qtplatform::WithId(new QComboBox, kRunway)),
      airportNameEdit_(nullptr),
      recalculate_(NewButton("&Recalculate", kRecalculate)) {
    setWindowTitle(QStringLiteral("Edit SID/STAR"));
    auto* layout = new QVBoxLayout(this);

    auto* record = new QGridLayout;
    QLineEdit* airportIdent = AddEdit(record, 0, 0, "Airport ID", kAirportIdent);
    airportNameEdit_ = AddEdit(record, 0, 2, "Airport", kAirportName);
    record->addWidget(chooser_, 0, 3);
    chooser_->hide();  // in place of the name while an ident has several runway lines
    record->addWidget(runwayBox_, 0, 4);
    AddEdit(record, 1, 0, "Latitude", kLatitude);
    AddEdit(record, 1, 2, "Longitude", kLongitude);
    AddEdit(record, 2, 0, "Count", kNumber);
    auto* spin =
        qtplatform::WithId(new qtplatform::UpDownButtons([this](int delta) { OnNumberSpin(delta); }), kNumberSpin);
    record->addWidget(spin, 2, 2);
    auto* type = qtplatform::WithId(new QComboBox, kType);
    type->addItems({QStringLiteral("SID"), QStringLiteral("STAR")});
    record->addWidget(type, 2, 3);
    AddEdit(record, 3, 0, "ID", kIdent);
    AddEdit(record, 3, 2, "Name", kName);
    AddEdit(record, 4, 0, "Country", kCountry);
    AddEdit(record, 4, 2, "Author", kAuthor);
    AddEdit(record, 5, 0, "Mag Var", kMagVar);
    record->addWidget(qtplatform::WithId(new QCheckBox(QStringLiteral("Use Mag var")), kUseMagVar), 5, 2);
    record->addWidget(qtplatform::WithId(new QCheckBox(QStringLiteral("Auto-Calc next Lat/Lon")), kAutoCalc), 6, 0, 1,
                      2);
    record->addWidget(qtplatform::WithId(new QCheckBox(QStringLiteral("Check Values before Add")), kCheckValues), 6, 2,
                      1, 2);
    auto* newId = NewButton("&New ID", kNewId);
    auto* deleteId = NewButton("&Delete ID", kDeleteId);
    auto* saveId = NewButton("&Save ID", kSaveId);
    record->addWidget(newId, 7, 1);
    record->addWidget(deleteId, 7, 2);
    record->addWidget(saveId, 7, 3);
    layout->addLayout(record);

    auto* legGroup = new QGroupBox;
    auto* legGrid = new QGridLayout(legGroup);
    AddEdit(legGrid, 0, 0, "Code", kLegCode)->setMaxLength(1);
    AddEdit(legGrid, 0, 2, nullptr, kLegWord);
    AddEdit(legGrid, 1, 0, "Lat", kLegLatitude);
    AddEdit(legGrid, 1, 2, "Lon", kLegLongitude);
    AddEdit(legGrid, 2, 0, "Speed -Min", kMinSpeed);
    AddEdit(legGrid, 2, 2, "Max", kMaxSpeed);
    AddEdit(legGrid, 3, 0, "Alt -Min", kMinAltitude);
    AddEdit(legGrid, 3, 2, "Max", kMaxAltitude);
    AddEdit(legGrid, 4, 0, "Hdg", kHeading);
    AddEdit(legGrid, 4, 2, "ID", kHeadingIdent);
    layout->addWidget(legGroup);

    auto* nextGroup = new QGroupBox(QStringLiteral("Next point"));
    auto* nextGrid = new QGridLayout(nextGroup);
    AddEdit(nextGrid, 0, 0, "Distance", kNextDistance);
    AddEdit(nextGrid, 0, 2, "TO Radial", kNextRadial);
    AddEdit(nextGrid, 1, 0, "From", kNextIdent);
    AddEdit(nextGrid, 1, 2, "Name /Txt", kNextText);
    nextGrid->addWidget(recalculate_, 2, 3);
    layout->addWidget(nextGroup);

    auto* legButtons = new QHBoxLayout;
    auto* add = NewButton("&Add", kAddLeg);
    auto* update = NewButton("&Update", kUpdateLeg);
    auto* deleteLeg = NewButton("D&elete", kDeleteLeg);
    for (QPushButton* button : {add, update, deleteLeg}) legButtons->addWidget(button);
    layout->addLayout(legButtons);

    legList_->setMinimumSize(520, 140);
    layout->addWidget(legList_);
    layout->addWidget(qtplatform::DialogButtons(*this, QDialogButtonBox::Ok | QDialogButtonBox::Cancel));

    for (QPushButton* button : {newId, deleteId, saveId, add, update, deleteLeg, recalculate_}) {
        button->setAutoDefault(false);
    }
    connect(airportIdent, &QLineEdit::editingFinished, this, [this] { OnAirportIdentLeft(); });
    connect(chooser_, &QComboBox::activated, this, [this](int item) {
        if (UpdateData(true)) OnChooserChosen(item);
    });
    connect(runwayBox_, &QComboBox::activated, this, [this] {
        if (UpdateData(true)) OnRunwayChosen();
    });
    connect(type, &QComboBox::activated, this, [this] { recordChanged_ = true; });
    for (const int id : kRecordFields) {
        connect(qtplatform::FindControl<QLineEdit>(this, id), &QLineEdit::textEdited, this,
                [this] { recordChanged_ = true; });
    }
    for (const int id : kLegFields) {
        connect(qtplatform::FindControl<QLineEdit>(this, id), &QLineEdit::textEdited, this,
                [this] { legChanged_ = recordChanged_ = true; });
    }
    const auto onLeaving = [this](int id, auto handler) {
        connect(qtplatform::FindControl<QLineEdit>(this, id), &QLineEdit::editingFinished, this, handler);
    };
    onLeaving(kLegCode, [this] { OnCodeLeft(); });
    onLeaving(kLegLatitude, [this] { OnPositionLeft(&LegFieldTexts::latitude); });
    onLeaving(kLegLongitude, [this] { OnPositionLeft(&LegFieldTexts::longitude); });
    onLeaving(kMinSpeed, [this] { OnLimitLeft(&LegFieldTexts::minSpeed, &LegFieldTexts::maxSpeed, true); });
    onLeaving(kMaxSpeed, [this] { OnLimitLeft(&LegFieldTexts::minSpeed, &LegFieldTexts::maxSpeed, false); });
    onLeaving(kMinAltitude, [this] { OnLimitLeft(&LegFieldTexts::minAltitude, &LegFieldTexts::maxAltitude, true); });
    onLeaving(kMaxAltitude, [this] { OnLimitLeft(&LegFieldTexts::minAltitude, &LegFieldTexts::maxAltitude, false); });
    onLeaving(kHeading, [this] { OnDirectionLeft(&LegFieldTexts::heading); });
    onLeaving(kNextDistance, [this] { OnDirectionLeft(&LegFieldTexts::nextDistance); });
    onLeaving(kNextRadial, [this] { OnDirectionLeft(&LegFieldTexts::nextRadial); });
    onLeaving(kNextIdent, [this] { OnReferenceLeft(false); });
    onLeaving(kHeadingIdent, [this] { OnReferenceLeft(true); });
    connect(add, &QPushButton::clicked, this, [this] { OnAddLeg(); });
    connect(update, &QPushButton::clicked, this, [this] { OnUpdateLeg(); });
    connect(deleteLeg, &QPushButton::clicked, this, [this] { OnDeleteLeg(); });
    connect(recalculate_, &QPushButton::clicked, this, [this] { OnRecalculate(); });
    connect(saveId, &QPushButton::clicked, this, [this] { OnSaveId(); });
    connect(newId, &QPushButton::clicked, this, [this] { OnNewId(); });
    connect(deleteId, &QPushButton::clicked, this, [this] { OnDeleteId(); });
    connect(legList_, &QTreeWidget::itemClicked, this,
            [this](QTreeWidgetItem* item) { OnRowChosen(legList_->indexOfTopLevelItem(item)); });
    connect(legList_, &QTreeWidget::currentItemChanged, this, [this](QTreeWidgetItem* item) {
        if (item != nullptr && legList_->hasFocus()) OnRowChosen(legList_->indexOfTopLevelItem(item));
    });
}

CEditSidStarDlg::~CEditSidStarDlg() = default;

void CEditSidStarDlg::DoDataExchange(qtplatform::DataExchange& dx) {
    dx.Text(kLatitude, latitude_);
    dx.Text(kLongitude, longitude_);
    dx.Int(kNumber, number_);
    dx.Check(kAutoCalc, autoCalc_);
    dx.Check(kCheckValues, checkValues_);
    dx.Check(kUseMagVar, useMagVar_);
    dx.Text(kCountry, country_);
    dx.MaxChars(country_, static_cast<int>(kProcedureNameLength));
    dx.Text(kAuthor, author_);
    dx.MaxChars(author_, static_cast<int>(kProcedureNameLength));
    dx.Text(kIdent, ident_);
    dx.MaxChars(ident_, static_cast<int>(kProcedureIdentLength));
    dx.Text(kName, name_);
    dx.MaxChars(name_, static_cast<int>(kProcedureNameLength));
    dx.ListIndex(kType, typeIndex_);
    dx.Text(kAirportIdent, airportIdent_);
    dx.MaxChars(airportIdent_, static_cast<int>(kProcedureIdentLength));
    dx.Text(kAirportName, airportName_);
    dx.Text(kRunway, runway_);
    dx.Double(kMagVar, magVar_);
    dx.Text(kLegCode, leg_.code);
    dx.Text(kLegWord, leg_.word);
    dx.MaxChars(leg_.word, static_cast<int>(kProcedureWordLength));
    dx.Text(kLegLatitude, leg_.latitude);
    dx.Text(kLegLongitude, leg_.longitude);
    dx.Text(kMinSpeed, leg_.minSpeed);
    dx.Text(kMaxSpeed, leg_.maxSpeed);
    dx.Text(kMinAltitude, leg_.minAltitude);
    dx.Text(kMaxAltitude, leg_.maxAltitude);
    dx.Text(kHeading, leg_.heading);
    dx.Text(kHeadingIdent, leg_.headingIdent);
    dx.MaxChars(leg_.headingIdent, static_cast<int>(kProcedureIdentLength));
    dx.Text(kNextDistance, leg_.nextDistance);
    dx.Text(kNextRadial, leg_.nextRadial);
    dx.Text(kNextIdent, leg_.nextIdent);
    dx.MaxChars(leg_.nextIdent, static_cast<int>(kProcedureIdentLength));
    dx.Text(kNextText, leg_.nextText);
    dx.MaxChars(leg_.nextText, static_cast<int>(kProcedureNameLength));
}

bool CEditSidStarDlg::OnInitDialog() {
    std::vector<qtplatform::ReportColumn> columns;
    const int part = (legList_->width() - 4) / 4;
    for (int i = 0; i < kLegColumns; ++i) {
        columns.push_back(
            {kLegColumnTitles[i].title, i == 0 ? (legList_->width() - 4) / 12 : part, kLegColumnTitles[i].centred});
    }
    legList_->SetColumns(columns);
    legList_->SetFullRowSelect(true);
    FillLegRows();
    Dialog::OnInitDialog();
    OnAirportIdentLeft();
    EnableForm();
    return procedureLoaded_;
}

void CEditSidStarDlg::OnOK() {
    if (!UpdateData(true)) return;
    AskToSave();
    Dialog::OnOK();
}

void CEditSidStarDlg::OnCancel() {
    recordChanged_ = legChanged_ = false;
    Dialog::OnCancel();
}

void CEditSidStarDlg::EnableForm() {
    for (const int id : kProcedureControls) qtplatform::FindControl(this, id)->setEnabled(procedureLoaded_);
    runwayBox_->setEnabled(runwayBox_->count() > 0 || procedureLoaded_);
    recalculate_->setEnabled(procedureLoaded_ && currentLeg_ > 0);
    if (!procedureLoaded_) {
        if (QWidget* ok = qtplatform::FindControl(this, qtplatform::kIdOk)) ok->setFocus();
    }
}

double CEditSidStarDlg::Latitude() const { return FieldNumber(latitude_); }
double CEditSidStarDlg::WestLongitude() const { return FieldNumber(longitude_); }

SidStarRequest CEditSidStarDlg::ShownProcedure() const {
    SidStarRequest shown;
    shown.airportIdent = airportIdent_;
    shown.runway = runway_;
    shown.type = typeIndex_ == 1 ? kStarType : kSidType;
    shown.chosenIdent = ident_;
    shown.latitude = Latitude();
    shown.westLongitude = WestLongitude();
    return shown;
}

}  // namespace trevalo
