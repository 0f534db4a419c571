#include "editor_config_dlg.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "editor_app.h"
#include "platform/file_search.h"
#include "platform/files.h"
#include "platform/message_box.h"
#include "qtplatform/control_ids.h"
#include "qtplatform/dialog_buttons.h"
#include "qtplatform/file_chooser.h"
#include "qtplatform/static_text.h"
#include "quillet_view.h"
#include "shell/path_cleaning.h"
#include "shell/settings.h"

namespace quillet {
namespace {

using trevalo::SettingId;

}  // namespace

std::span<const CEditorConfigDlg::ProgramRow> CEditorConfigDlg::Programs() {
    static constexpr ProgramRow kPrograms[] = {
        {"Build Program", kCompiler, kBrowseCompiler,
         "Valid Compiler (Duze.exe)|Duze.exe|Valid Compiler (Duze32.exe)|Duze32.exe||", &CEditorConfigDlg::compiler_},
        {"Map Program", kPlanner, kBrowsePlanner, "Valid Wizard (Trevalo.exe)|Trevalo.exe||",
         &CEditorConfigDlg::planner_},
        {"Weather Program", kWeatherEditor, kBrowseWeatherEditor, "Valid Weather file(Wx.exe)|Wx.exe||",
         &CEditorConfigDlg::weatherEditor_},
        {"Editor Program", kEditor, kBrowseEditor, "Valid Editor App(Quillet.exe)|Quillet.exe||",
         &CEditorConfigDlg::editor_},
    };
    return kPrograms;
}

CEditorConfigDlg::CEditorConfigDlg(CEditorApp& app, QWidget* parent) : Dialog(parent), app_(app) {
    setWindowTitle(QStringLiteral("Configuration"));
    auto* grid = new QGridLayout;
    grid->addWidget(qtplatform::NewStaticText("APL Directory"), 0, 0);
    grid->addWidget(qtplatform::WithId(new QLineEdit, kDirectory), 0, 1);
    int row = 1;
    for (const ProgramRow& program : Programs()) {
        grid->addWidget(qtplatform::NewStaticText(program.caption), row, 0);
        grid->addWidget(qtplatform::WithId(new QLineEdit, program.edit), row, 1);
        auto* browse = qtplatform::WithId(new QPushButton(QStringLiteral("...")), program.browse);
        connect(browse, &QPushButton::clicked, this, [this, &program] { Browse(program); });
        grid->addWidget(browse, row++, 2);
    }
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addWidget(qtplatform::WithId(new QCheckBox(QStringLiteral("&Automatic tabbing")), kAutoTab));
    layout->addWidget(qtplatform::DialogButtons(*this, QDialogButtonBox::Ok, {"&Done"}));
}

bool CEditorConfigDlg::OnInitDialog() {
    const trevalo::Settings settings;
    directory_ = settings.ReadString(SettingId::Directory);
    settings.WriteString(SettingId::Directory, directory_);
    compiler_ = settings.ReadString(SettingId::AdventureBuild);
    planner_ = settings.ReadString(SettingId::MapWizard);
    weatherEditor_ = settings.ReadString(SettingId::Weather);
    editor_ = settings.ReadString(SettingId::Editor);
    autoTab_ = settings.IsSwitchOn(SettingId::AutoTab);
    return Dialog::OnInitDialog();
}

void CEditorConfigDlg::DoDataExchange(qtplatform::DataExchange& dx) {
    dx.Text(kDirectory, directory_);
    for (const ProgramRow& program : Programs()) dx.Text(program.edit, this->*program.path);
    dx.Check(kAutoTab, autoTab_);
}

void CEditorConfigDlg::Browse(const ProgramRow& program) {
    qtplatform::FileChooserRequest request;
    request.filter = program.filter;
    const qtplatform::ChosenPath chosen = qtplatform::ChooseFile(request, this);
    if (!chosen || !UpdateData(true)) return;
    this->*program.path = *chosen;
    UpdateData(false);
}

std::string CEditorConfigDlg::ApplyDirectory(std::string directory) {
    directory = trevalo::WithFinalBackslash(std::move(directory));
    // The folder is looked at, never written into: a user's files in it stay untouched.
    const auto found = platform::FindFile(directory);
    if (found && found->isFolder) return directory;
    if (platform::MessageBox(kDirectoryMissingQuestion, {}, platform::MbIcon::Question, platform::MbButtons::YesNo) !=
        platform::MbResult::Yes)
        return {};
    if (!platform::CreateDirectory(directory)) {
        platform::MessageBox(kDirectoryNotCreatedMessage, {}, platform::MbIcon::Stop);
        return {};
    }
    return directory;
}

void CEditorConfigDlg::OnOK() {
    if (!UpdateData(true)) return;
    const trevalo::Settings settings;
    app_.CloseCommandList();
    const std::string directory = ApplyDirectory(directory_);
    if (!directory.empty()) settings.WriteString(SettingId::Directory, directory);
    app_.LoadCommandList();
    if (CQuilletView* view = app_.CurrentView()) view->SetAutoTab(autoTab_);
    settings.WriteSwitch(SettingId::AutoTab, autoTab_);
    settings.WriteString(SettingId::AdventureBuild, compiler_);
    settings.WriteString(SettingId::MapWizard, planner_);
    settings.WriteString(SettingId::Weather, weatherEditor_);
    settings.WriteString(SettingId::Editor, editor_);
    EndDialog(Accepted);
}

}  // namespace quillet
