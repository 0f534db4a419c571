#include "wxapp/wx_dlg.h"

#include <QContextMenuEvent>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QStyle>
#include <QVBoxLayout>

#include "qtplatform/control_ids.h"
#include "qtplatform/text.h"
#include "wx/editor_title.h"
#include "wxapp/about_wx_dlg.h"
#include "wxapp/file_choosers.h"
#include "wxapp/icao_edit.h"
#include "wxapp/icarune_library.h"
#include "wxapp/layer_list_ctrl.h"
#include "wxapp/record_spin.h"

namespace wxapp {
namespace {

QLineEdit* ReadOnlyEdit(int id) {
    auto* edit = qtplatform::WithId(new QLineEdit, id);
    edit->setReadOnly(true);
    return edit;
}

QGroupBox* Group(const char* title, QWidget* content) {
    auto* group = new QGroupBox(QString::fromLatin1(title));
    auto* layout = new QVBoxLayout(group);
    layout->addWidget(content);
    return group;
}

QWidget* NamedEdit(QFormLayout& form, const char* label, QLineEdit* edit) {
    form.addRow(QString::fromLatin1(label), edit);
    return edit;
}

}  // namespace

CWxDlg::CWxDlg(std::string rulesPath, std::string weatherFile, QWidget* parent)
    : Dialog(parent),
      rulesPath_(std::move(rulesPath)),
      commandLineFile_(std::move(weatherFile)),
      getWx_(qtplatform::WithId(new QPushButton(QStringLiteral("Get Wx")), kGetWx)),
      pressure_(qtplatform::WithId(new CLayerListCtrl, kPressureList)),
      visibility_(qtplatform::WithId(new CLayerListCtrl, kVisibilityList)),
      winds_(qtplatform::WithId(new CLayerListCtrl, kWindList)),
      clouds_(qtplatform::WithId(new CLayerListCtrl, kCloudList)),
      temperature_(qtplatform::WithId(new CLayerListCtrl, kTemperatureList)),
      spin_(qtplatform::WithId(new CRecordSpin, kRecordSpin)),
      icao_(qtplatform::WithId(new CIcaoEdit, kIcaoId)) {
    setWindowIcon(style()->standardIcon(QStyle::SP_DriveNetIcon));
    // Enter in an edit does not close the editor.
    getWx_->setAutoDefault(false);
    BuildLayout();
    ConnectLists();
    connect(getWx_, &QPushButton::clicked, this, &CWxDlg::OnGetWx);
    connect(spin_, &CRecordSpin::stepped, this, &CWxDlg::OnStep);
    connect(icao_, &QLineEdit::textEdited, this, &CWxDlg::OnChangeIcao);
    connect(icao_, &CIcaoEdit::stationPicked, this, &CWxDlg::OnChangeIcao);
    connect(icao_, &CIcaoEdit::focusLeft, this, [this] {
        if (!currentFile_.empty()) ReloadRecord();
    });
    SetTitle();
}

CWxDlg::~CWxDlg() = default;

void CWxDlg::BuildLayout() {
    auto* station = new QFormLayout;
    auto* record = new QHBoxLayout;
    record->addWidget(ReadOnlyEdit(kRecordNumber));
    record->addWidget(spin_);
    station->addRow(getWx_);
    station->addRow(QStringLiteral("Record"), record);
    NamedEdit(*station, "Wind Cnt", ReadOnlyEdit(kWindCount));
    NamedEdit(*station, "Vis Cnt", ReadOnlyEdit(kVisibilityCount));
    NamedEdit(*station, "Cloud Cnt", ReadOnlyEdit(kCloudCount));
    NamedEdit(*station, "Temp Cnt", ReadOnlyEdit(kTemperatureCount));
    NamedEdit(*station, "Unk #1", ReadOnlyEdit(kUnknown1));
    NamedEdit(*station, "Unk #2", ReadOnlyEdit(kUnknown2));
    NamedEdit(*station, "Unk #3", ReadOnlyEdit(kUnknown3));
    NamedEdit(*station, "ICAO", icao_);
    NamedEdit(*station, "Latitude", ReadOnlyEdit(kLatitude));
    NamedEdit(*station, "Longitude", ReadOnlyEdit(kLongitude));
    NamedEdit(*station, "Elevation", ReadOnlyEdit(kElevation));

    auto* grid = new QGridLayout(this);
    grid->addLayout(station, 0, 0, 3, 1);
    grid->addWidget(Group("Presure", pressure_), 0, 1);
    grid->addWidget(Group("Visibility", visibility_), 1, 1);
    grid->addWidget(Group("Temperature", temperature_), 2, 1);
    grid->addWidget(Group("Winds", winds_), 3, 0, 1, 2);
    grid->addWidget(Group("Clouds", clouds_), 4, 0, 1, 2);
    grid->setColumnStretch(1, 1);
    pressure_->setMaximumHeight(pressure_->sizeHint().height() / 2);
    resize(900, 680);
}

bool CWxDlg::OnInitDialog() {
    if (!LoadSimulatorFolder(simFolder_)) {
        // Ended once it runs: a dialog cannot end while it is being shown.
        QMetaObject::invokeMethod(
            this, [this] { EndDialog(Rejected); }, Qt::QueuedConnection);
        return Dialog::OnInitDialog();
    }
    icao_->SetSimFolder(simFolder_);
    icao_->SetWeatherRecord(currentFile_.empty() ? -1 : recordNumber_);
    SetTitle();
    pressure_->SetEqualColumns(wx::PressureColumns());
    visibility_->SetEqualColumns(wx::LayerColumns(wx::WxLayerKind::Visibility));
    winds_->SetEqualColumns(wx::LayerColumns(wx::WxLayerKind::Wind));
    clouds_->SetEqualColumns(wx::LayerColumns(wx::WxLayerKind::Cloud));
    temperature_->SetEqualColumns(wx::LayerColumns(wx::WxLayerKind::Temperature));
    const bool result = Dialog::OnInitDialog();
    if (!commandLineFile_.empty()) OpenCommandLineFile();
    return result;
}

void CWxDlg::DoDataExchange(qtplatform::DataExchange& dx) {
    dx.Int(kRecordNumber, recordNumber_);
    dx.Int(kWindCount, counts_[0]);
    dx.Int(kVisibilityCount, counts_[1]);
    dx.Int(kCloudCount, counts_[2]);
    dx.Int(kTemperatureCount, counts_[3]);
    dx.Text(kUnknown1, unknown1_);
    dx.Text(kUnknown2, unknown2_);
    dx.Text(kUnknown3, unknown3_);
    dx.Text(kIcaoId, icaoId_);
    dx.Text(kLatitude, latitude_);
    dx.Text(kLongitude, longitude_);
    dx.Int(kElevation, elevation_);
}

void CWxDlg::SetTitle() { setWindowTitle(qtplatform::ToQString(wx::WeatherEditorTitle(currentFile_))); }

void CWxDlg::OnGetWx() {
    const std::optional<std::string> path = ChooseWeatherFileToOpen(this, simFolder_);
    if (!path) return;
    currentFile_ = *path;
    SetTitle();
    recordNumber_ = 0;
    LoadWeatherRecord(*path, 0);
}

void CWxDlg::OnStep(int step) {
    if (currentFile_.empty()) return;
    if (step < 0 && recordNumber_ == 0) return;
    LoadWeatherRecord(currentFile_, recordNumber_ + (step < 0 ? -1 : 1));
}

void CWxDlg::OnAbout() {
    CAboutWxDlg about(this);
    about.exec();
}

// The system menu's stand-in: a right click on the window outside its controls.
void CWxDlg::contextMenuEvent(QContextMenuEvent* event) {
    QMenu menu(this);
    QAction* about = menu.addAction(QStringLiteral("&About Wx..."));
    about->setObjectName(QStringLiteral("cmd_%1").arg(kCmdAbout));
    connect(about, &QAction::triggered, this, &CWxDlg::OnAbout);
    menu.exec(event->globalPos());
}

}  // namespace wxapp
