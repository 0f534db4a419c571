#include "periphery/config_dlg.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QIntValidator>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QToolButton>
#include <QVBoxLayout>

#include "periphery/create_dir_dlg.h"
#include "platform/message_box.h"
#include "platform/numbers.h"
#include "qtplatform/control_ids.h"
#include "qtplatform/dialog_buttons.h"
#include "qtplatform/file_chooser.h"
#include "qtplatform/text.h"

namespace trevalo {
namespace {

struct PathRow {
    const char* label;
    int edit;
    int browse;
    const char* filter;
    std::string ConfigValues::*value;
};

constexpr PathRow kPathRows[] = {
    {"Compiler", CConfigDlg::kCompiler, CConfigDlg::kBrowseCompiler,
     "Valid Compiler (Duze.exe)|Duze.exe|Valid Compiler (Duze32.exe)|Duze32.exe||", &ConfigValues::compiler},
    {"Map wizard", CConfigDlg::kMapWizard, CConfigDlg::kBrowseMapWizard, "Valid Wizard (Trevalo.exe)|Trevalo.exe||",
     &ConfigValues::mapWizard},
    {"Weather", CConfigDlg::kWeather, CConfigDlg::kBrowseWeather, "Valid Weather App(Wx.exe)|Wx.exe||",
     &ConfigValues::weather},
    {"Editor", CConfigDlg::kEditor, CConfigDlg::kBrowseEditor, "Valid Editor App(Quillet.exe)|Quillet.exe||",
     &ConfigValues::editor},
    {"Update program", CConfigDlg::kFtp, CConfigDlg::kBrowseFtp, "Valid FTP App(Fetchwell.exe)|Fetchwell.exe||",
     &ConfigValues::ftp},
};

struct SwitchBox {
    int id;
    const char* text;
    bool ConfigValues::*value;
};

constexpr SwitchBox kSwitches[] = {
    {CConfigDlg::kMoveAdv, "Move Adv To (FS2000)", &ConfigValues::autoMove},
    {CConfigDlg::kMoveFlt, "Move Flt To (FS2002)", &ConfigValues::autoMoveFs2k2},
    {CConfigDlg::kMoveSound, "Move Sound", &ConfigValues::autoMoveSound},
    {CConfigDlg::kAutoCreate, "Automaticaly create Adventure", &ConfigValues::autoCreateAdv},
    {CConfigDlg::kAutoTab, "AutoTab", &ConfigValues::autoTab},
    {CConfigDlg::kRealTime, "Move plane 'real time' every:", &ConfigValues::realMovePlane},
    {CConfigDlg::kCheckVersion, "Check Version every", &ConfigValues::check},
};

template <class T>
T* Made(QWidget* dialog, int id) {
    return qtplatform::FindControl<T>(dialog, id);
}

// Two arrows beside the seconds: up adds one, down takes one.
QWidget* SecondsSpin(std::function<void(int)> onDelta) {
    auto* spin = qtplatform::WithId(new QWidget, CConfigDlg::kSecondsSpin);
    auto* layout = new QVBoxLayout(spin);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    for (auto [arrow, delta] : {std::pair{Qt::UpArrow, -1}, std::pair{Qt::DownArrow, 1}}) {
        auto* button = new QToolButton;
        button->setArrowType(arrow);
        button->setFixedSize(18, 11);
        QObject::connect(button, &QToolButton::clicked, spin, [onDelta, delta = delta] { onDelta(delta); });
        layout->addWidget(button);
    }
    return spin;
}

}  // namespace

CConfigDlg::CConfigDlg(QWidget* parent) : Dialog(parent) {
    setWindowTitle(QStringLiteral("Configuration"));
    auto* layout = new QVBoxLayout(this);
    auto* grid = new QGridLayout;
    BuildPaths(grid);
    layout->addLayout(grid);

    for (const SwitchBox& entry : kSwitches)
        qtplatform::WithId(new QCheckBox(QString::fromLatin1(entry.text), this), entry.id);
    moveAdv_ = Made<QCheckBox>(this, kMoveAdv);
    moveFlt_ = Made<QCheckBox>(this, kMoveFlt);
    autoCreate_ = Made<QCheckBox>(this, kAutoCreate);
    realTime_ = Made<QCheckBox>(this, kRealTime);
    moveToDir_ = qtplatform::WithId(new QComboBox, kMoveToDir);
    for (std::string_view category : kMoveToDirCategories)
        moveToDir_->addItem(qtplatform::ToQString(std::string(category)));
    flightsFolder_ = qtplatform::WithId(new QComboBox, kFlightsFolder);
    seconds_ = qtplatform::WithId(new QLineEdit, kSeconds);
    seconds_->setValidator(new QIntValidator(0, 999, seconds_));
    seconds_->setMaximumWidth(40);
    auto* days = qtplatform::WithId(new QComboBox, kCheckDays);
    for (int choice : kCheckDayChoices) days->addItem(QString::number(choice));
    auto* newFolder = qtplatform::WithId(new QPushButton(QStringLiteral("...")), kNewFlightsFolder);
    newFolder->setToolTip(QStringLiteral("Create New Dir"));

    auto* install = new QGridLayout;
    install->addWidget(moveAdv_, 0, 0);
    install->addWidget(moveToDir_, 0, 1);
    install->addWidget(moveFlt_, 1, 0);
    install->addWidget(flightsFolder_, 1, 1);
    install->addWidget(newFolder, 1, 2);
    install->addWidget(Made<QCheckBox>(this, kMoveSound), 2, 0);
    install->addWidget(autoCreate_, 3, 0);
    install->addWidget(Made<QCheckBox>(this, kAutoTab), 4, 0);
    auto* plane = new QHBoxLayout;
    plane->addWidget(realTime_);
    plane->addWidget(seconds_);
    plane->addWidget(SecondsSpin([this](int delta) { OnDeltaPosSpin(delta); }));
    plane->addWidget(new QLabel(QStringLiteral("Sec")));
    plane->addStretch(1);
    auto* check = new QHBoxLayout;
    check->addWidget(Made<QCheckBox>(this, kCheckVersion));
    check->addWidget(days);
    check->addWidget(new QLabel(QStringLiteral("Days")));
    check->addStretch(1);
    layout->addLayout(install);
    layout->addLayout(plane);
    layout->addLayout(check);
    layout->addWidget(qtplatform::DialogButtons(*this, QDialogButtonBox::Ok | QDialogButtonBox::Cancel,
                                                {.ok = "&Done", .cancel = "&Cancel"}));

    connect(moveAdv_, &QCheckBox::clicked, this, [this] { OnMoveAdv(); });
    connect(moveFlt_, &QCheckBox::clicked, this, [this] { OnMoveFlt(); });
    connect(autoCreate_, &QCheckBox::clicked, this, [this] { OnAutoCreate(); });
    connect(realTime_, &QCheckBox::clicked, this, [this] { OnRealTime(); });
    connect(seconds_, &QLineEdit::textEdited, this, [this] { OnChangeSeconds(); });
    connect(newFolder, &QPushButton::clicked, this, [this] { OnNewFlightsFolder(); });
}

void CConfigDlg::BuildPaths(QGridLayout* grid) {
    grid->addWidget(new QLabel(QStringLiteral("Main directory")), 0, 0);
    auto* base = qtplatform::WithId(new QLineEdit, kBaseDirectory);
    base->setReadOnly(true);
    grid->addWidget(base, 0, 1);
    int row = 1;
    for (const PathRow& path : kPathRows) {
        auto* edit = qtplatform::WithId(new QLineEdit, path.edit);
        edit->setReadOnly(true);
        edit->setMinimumWidth(280);
        auto* browse = qtplatform::WithId(new QPushButton(QStringLiteral("...")), path.browse);
        grid->addWidget(new QLabel(QString::fromLatin1(path.label)), row, 0);
        grid->addWidget(edit, row, 1);
        grid->addWidget(browse, row, 2);
        connect(browse, &QPushButton::clicked, this,
                [this, id = path.edit, filter = path.filter] { OnBrowse(id, filter); });
        ++row;
    }
}

bool CConfigDlg::OnInitDialog() {
    values_ = ReadConfigValues(settings_);
    FillFlightsFolders();
    const bool ok = Dialog::OnInitDialog();
    OnMoveAdv();
    OnMoveFlt();
    OnRealTime();
    return ok;
}

void CConfigDlg::DoDataExchange(qtplatform::DataExchange& dx) {
    dx.Text(kBaseDirectory, values_.baseDirectory);
    for (const PathRow& path : kPathRows) dx.Text(path.edit, values_.*path.value);
    for (const SwitchBox& entry : kSwitches) dx.Check(entry.id, values_.*entry.value);
    dx.ListIndex(kMoveToDir, values_.moveToDir);
    dx.Int(kSeconds, values_.planeUpdateSeconds);
    dx.MinMaxInt(values_.planeUpdateSeconds, 0, kMaxPlaneUpdateSeconds);
    dx.ListIndex(kCheckDays, values_.checkDayIndex);
}

void CConfigDlg::OnOK() {
    if (!UpdateData(true)) return;
    values_.flightsFolder = flightsFolder_->count() > 0 && flightsFolder_->currentIndex() >= 0
                                ? qtplatform::FromQString(flightsFolder_->currentText())
                                : std::string();
    WriteConfigValues(settings_, values_);
    EndDialog(Accepted);
}

void CConfigDlg::OnBrowse(int editId, const char* filter) {
    qtplatform::FileChooserRequest request;
    request.filter = filter;
    request.initialFolder = values_.baseDirectory;
    if (const qtplatform::ChosenPath chosen = qtplatform::ChooseFile(request, this))
        Made<QLineEdit>(this, editId)->setText(qtplatform::ToQString(*chosen));
}

void CConfigDlg::OnMoveAdv() {
    moveToDir_->setEnabled(moveAdv_->isChecked());
    if (moveAdv_->isChecked()) autoCreate_->setChecked(true);
}

void CConfigDlg::OnMoveFlt() { flightsFolder_->setEnabled(moveFlt_->isChecked() && flightsFolder_->count() > 0); }

void CConfigDlg::OnAutoCreate() {
    if (!moveAdv_->isChecked() || autoCreate_->isChecked()) return;
    autoCreate_->setChecked(true);
    platform::MessageBox(kMoveNeedsCreateMessage, {}, platform::MbIcon::Information);
}

void CConfigDlg::OnRealTime() { seconds_->setEnabled(realTime_->isChecked()); }

void CConfigDlg::OnDeltaPosSpin(int delta) {
    const int seconds = platform::ParseInt(qtplatform::FromQString(seconds_->text())).value_or(0) - delta;
    seconds_->setText(QString::number(std::clamp(seconds, 0, kMaxPlaneUpdateSeconds)));
}

void CConfigDlg::OnChangeSeconds() {
    const std::optional<int> seconds = platform::ParseInt(qtplatform::FromQString(seconds_->text()));
    if (seconds && *seconds > kMaxPlaneUpdateSeconds) seconds_->setText(QString::number(kMaxPlaneUpdateSeconds));
}

void CConfigDlg::OnNewFlightsFolder() {
    CCreateDirDlg dialog(this);
    if (dialog.exec() != Accepted) return;
    FillFlightsFolders();
    SelectFlightsFolder(dialog.Name(), true);
    OnMoveFlt();
}

void CConfigDlg::FillFlightsFolders() {
    // Without Icarune or its function the list stays as it was.
    if (loadReg_.Get() == nullptr) return;
    const std::string fs2002 = Fs2002Folder(loadReg_);
    const std::vector<std::string> folders = fs2002.empty() ? std::vector<std::string>() : FlightsFolders(fs2002);
    flightsFolder_->clear();
    for (const std::string& folder : folders) flightsFolder_->addItem(qtplatform::ToQString(folder));
    flightsFolder_->setEnabled(!folders.empty() && moveFlt_->isChecked());
    // The stored folder when the list holds it, else the first.
    if (SelectFlightsFolder(values_.flightsFolder, true) < 0 && !folders.empty()) flightsFolder_->setCurrentIndex(0);
}

int CConfigDlg::SelectFlightsFolder(const std::string& name, bool select) {
    const int index = flightsFolder_->findText(qtplatform::ToQString(name), Qt::MatchExactly);
    if (index >= 0 && select) flightsFolder_->setCurrentIndex(index);
    return index;
}

}  // namespace trevalo
