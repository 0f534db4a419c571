// The ATC sound page: the sound list from the base directory's Wav folder, playing through
// the sound seam (a recorder, or the real player on a machine without a sound card), and
// the No Sound switch.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QListWidget>
#include <QPushButton>
#include <filesystem>

#include "page_sheet.h"
#include "platform/message_box.h"
#include "qtplatform/sound_player.h"
#include "qtplatform/testing/sound_testing.h"
#include "testing/temp_environment.h"
#include "wizard/wizard_page7.h"

namespace trevalo {
namespace {

using Page = CWizardPage7;

class SoundPageTest : public ::testing::Test {
protected:
    SoundPageTest() {
        for (const char* name : {"Adv0002.wav", "Adv0001.wav", "Other.wav", "Adv12.wav", "Adv0003.txt"})
            env_.writeFile(std::string("drive_c/Quillet/Wav/") + name,
                           qtplatform::testing::PcmWaveBytes(1, 8000, 16, std::string(160, '\0')));
    }
    void Open() { sheet_ = std::make_unique<testing::PageSheet>(page_); }
    QListWidget* List() const { return sheet_->Control<QListWidget>(Page::kSoundList); }
    QPushButton* Button(int id) const { return sheet_->Control<QPushButton>(id); }
    std::vector<std::string> Titles() const {
        std::vector<std::string> titles;
        for (int i = 0; i < List()->count(); ++i) titles.push_back(List()->item(i)->text().toStdString());
        return titles;
    }

    platform::testing::TempEnvironment env_;
    platform::MessageBoxRecorder boxes_;
    adf::AtcSoundValues values_;
    Page page_{values_, "C:\\Quillet\\"};
    std::unique_ptr<testing::PageSheet> sheet_;
};

TEST_F(SoundPageTest, ListsTheAdventureSoundsAndPlaysTheSelectedOne) {
    qtplatform::SoundRecorder sounds;
    Open();
    EXPECT_EQ(Titles(), (std::vector<std::string>{"Adv0001", "Adv0002"}));
    EXPECT_FALSE(Button(Page::kPlay)->isEnabled());
    EXPECT_FALSE(Button(Page::kRemove)->isEnabled());
    List()->setCurrentRow(1);
    EXPECT_TRUE(Button(Page::kPlay)->isEnabled());
    EXPECT_TRUE(Button(Page::kRemove)->isEnabled());
    Button(Page::kPlay)->click();
    emit List()->itemDoubleClicked(List()->item(1));
    EXPECT_EQ(sounds.requests(),
              (std::vector<std::string>{"C:\\Quillet\\Wav\\Adv0002.wav", "C:\\Quillet\\Wav\\Adv0002.wav"}));
    EXPECT_TRUE(boxes_.texts().empty());
}

TEST_F(SoundPageTest, WithoutASoundCardTheSoundSaysItCannotBePlayed) {
    qtplatform::testing::ScopedSoundDevice device(qtplatform::testing::kNoSoundCard);
    Open();
    List()->setCurrentRow(0);
    Button(Page::kPlay)->click();
    ASSERT_EQ(boxes_.shown().size(), 1u);
    EXPECT_EQ(boxes_.shown()[0].text, kSoundFailedMessage);
    EXPECT_EQ(boxes_.shown()[0].icon, platform::MbIcon::Information);
    EXPECT_EQ(Titles().size(), 2u);  // the file is still there
}

TEST_F(SoundPageTest, AVanishedSoundLeavesTheList) {
    qtplatform::SoundRecorder sounds({false});
    Open();
    List()->setCurrentRow(0);
    std::filesystem::remove(env_.driveC() / "Quillet/Wav/Adv0001.wav");
    Button(Page::kPlay)->click();
    EXPECT_EQ(boxes_.texts(), std::vector<std::string>{kSoundFailedMessage});
    EXPECT_EQ(Titles(), std::vector<std::string>{"Adv0002"});
    EXPECT_FALSE(Button(Page::kPlay)->isEnabled());
}

TEST_F(SoundPageTest, NoSoundDisablesTheListAndItsButtons) {
    Open();
    auto* noSound = sheet_->Control<QCheckBox>(Page::kNoSound);
    noSound->click();
    EXPECT_EQ(values_.noSound, 1);
    for (int id : {Page::kRefresh, Page::kAdd, Page::kRemoveAll}) EXPECT_FALSE(Button(id)->isEnabled()) << id;
    EXPECT_FALSE(List()->isEnabled());
    noSound->click();
    EXPECT_EQ(values_.noSound, 0);
    EXPECT_TRUE(List()->isEnabled());
    // A definition read with sound off: shown with the list disabled.
    values_.noSound = 1;
    page_.ShowValues();
    EXPECT_TRUE(noSound->isChecked());
    EXPECT_FALSE(Button(Page::kRefresh)->isEnabled());
}

TEST_F(SoundPageTest, RefreshFindsNewSoundsAndTheFileButtonsOnlyAnnounce) {
    std::filesystem::remove_all(env_.driveC() / "Quillet/Wav");
    Open();
    EXPECT_TRUE(Titles().empty());
    EXPECT_FALSE(Button(Page::kPlay)->isEnabled());
    env_.writeFile("drive_c/Quillet/wav/ADV0007.WAV", "x");
    Button(Page::kRefresh)->click();
    EXPECT_EQ(Titles(), std::vector<std::string>{"ADV0007"});
    for (int id : {Page::kAdd, Page::kRemoveAll}) Button(id)->click();
    EXPECT_EQ(boxes_.texts(), std::vector<std::string>(2, kNotInstalledMessage));
}

}  // namespace
}  // namespace trevalo
