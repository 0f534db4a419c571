#include "wizard/wizard_page7.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include "page_layout.h"
#include "platform/file_search.h"
#include "platform/message_box.h"
#include "qtplatform/control_ids.h"
#include "qtplatform/feedback.h"
#include "qtplatform/sound_player.h"
#include "qtplatform/text.h"

namespace trevalo {
namespace {

// Small enough to leave the page's lower part free (see page_layout.h).
constexpr int kListHeight = 200;

QPushButton* NewButton(const char* caption, int id) { return qtplatform::WithId(new QPushButton(caption), id); }

std::string FileTitle(const std::string& name) { return name.substr(0, name.rfind('.')); }

void ShowNotInstalled() { platform::MessageBox(kNotInstalledMessage, {}, platform::MbIcon::Information); }

}  // namespace

CWizardPage7::CWizardPage7(adf::AtcSoundValues& values, std::string baseDirectory)
    : PropertyPage("ATC Sound"),
      values_(values),
      baseDirectory_(std::move(baseDirectory)),
      sounds_(qtplatform::WithId(new QListWidget, kSoundList)),
      play_(NewButton("&Play", kPlay)),
      remove_(NewButton("&Remove", kRemove)),
      removeAll_(NewButton("R&emove All", kRemoveAll)),
      add_(NewButton("&Add", kAdd)),
      refresh_(NewButton("Re&fresh", kRefresh)) {
    auto* layout = new QVBoxLayout(this);
    auto* noSound = qtplatform::WithId(new QCheckBox(QStringLiteral("&No Sound")), kNoSound);
    layout->addWidget(noSound);
    sounds_->setMaximumHeight(kListHeight);
    layout->addWidget(sounds_);
    auto* buttons = new QGridLayout;
    buttons->addWidget(play_, 0, 0);
    buttons->addWidget(refresh_, 0, 1);
    buttons->addWidget(add_, 1, 0);
    buttons->addWidget(remove_, 1, 1);
    buttons->addWidget(removeAll_, 2, 1);
    layout->addLayout(buttons);
    AddHelpText(*layout, kHelp);

    connect(noSound, &QCheckBox::clicked, this, [this] { OnNoSound(); });
    connect(refresh_, &QPushButton::clicked, this, [this] { FillSoundList(); });
    connect(play_, &QPushButton::clicked, this, [this] { OnPlay(); });
    connect(sounds_, &QListWidget::itemDoubleClicked, this, [this] { OnPlay(); });
    connect(sounds_, &QListWidget::itemSelectionChanged, this, [this] { ApplySelectionRule(); });
    for (QPushButton* button : {add_, remove_, removeAll_})
        connect(button, &QPushButton::clicked, this, &ShowNotInstalled);
}

void CWizardPage7::DoDataExchange(qtplatform::DataExchange& dx) {
    dx.Check(kNoSound, values_.noSound);
    dx.Text(kHelp, values_.helpText);
}

bool CWizardPage7::OnInitDialog() {
    const bool result = PropertyPage::OnInitDialog();
    ApplySoundSwitch();
    FillSoundList();
    return result;
}

bool CWizardPage7::OnSetActive() {
    FillSoundList();
    return PropertyPage::OnSetActive();
}

void CWizardPage7::ShowValues() {
    if (!HasWindow()) return;
    UpdateData(false);
    ApplySoundSwitch();
    FillSoundList();
}

void CWizardPage7::OnNoSound() {
    if (!UpdateData(true)) return;
    ApplySoundSwitch();
    FillSoundList();
}

void CWizardPage7::ApplySoundSwitch() {
    for (QWidget* control : std::initializer_list<QWidget*>{sounds_, refresh_, add_, removeAll_})
        control->setEnabled(values_.noSound == 0);
}

void CWizardPage7::FillSoundList() {
    sounds_->clear();
    for (const platform::FoundFile& file : platform::FindFiles(baseDirectory_ + kSoundPattern))
        if (!file.isFolder) sounds_->addItem(qtplatform::ToQString(FileTitle(file.name)));
    ApplySelectionRule();
}

void CWizardPage7::ApplySelectionRule() {
    const bool selected = !sounds_->selectedItems().isEmpty();
    play_->setEnabled(selected);
    remove_->setEnabled(selected);
}

void CWizardPage7::OnPlay() {
    const QList<QListWidgetItem*> selected = sounds_->selectedItems();
    if (selected.isEmpty()) return ApplySelectionRule();
    const std::string path = baseDirectory_ + "Wav\\" + qtplatform::FromQString(selected.front()->text()) + ".wav";
    bool played = false;
    {
        qtplatform::WaitCursor wait;
        played = qtplatform::PlaySoundFile(path);
    }
    if (played) return;
    platform::MessageBox(kSoundFailedMessage, {}, platform::MbIcon::Information);
    if (!platform::FileExists(path)) FillSoundList();
}

}  // namespace trevalo
