// The wizard's seventh page, "ATC Sound": the sounds "Adv????.wav" of the base
// directory's Wav folder, each played on request, and the switch that leaves them out of
// the adventure.
#pragma once

#include <string>

#include "adf/values/atc_sound.h"
#include "qtplatform/property_page.h"

QT_BEGIN_NAMESPACE
class QListWidget;
class QPushButton;
QT_END_NAMESPACE

namespace trevalo {

inline constexpr const char* kSoundPattern = "Wav\\Adv????.wav";
inline constexpr const char* kSoundFailedMessage =
    "There was a problem playing the sound.\nPlease make sure that no other application is using the sound card.";
inline constexpr const char* kNotInstalledMessage = "This has not been installed yet";

class CWizardPage7 : public qtplatform::PropertyPage {
public:
    enum Control : int {
        kHelp = 1050,
        kAdd = 1177,
        kRemove = 1178,
        kRemoveAll = 1179,
        kNoSound = 1180,
        kSoundList = 1181,
        kPlay = 1182,
        kRefresh = 1183,
    };

    // The base directory ends with a backslash.
    CWizardPage7(adf::AtcSoundValues& values, std::string baseDirectory);

    // The values changed from outside (File > New, a definition read): shown again.
    void ShowValues();
    void OnNoSound();
    // Plays the selected sound; a sound that cannot be played says so.
    void OnPlay();

protected:
    bool OnInitDialog() override;
    bool OnSetActive() override;
    void DoDataExchange(qtplatform::DataExchange& dx) override;

private:
    void FillSoundList();
    void ApplySoundSwitch();
    void ApplySelectionRule();

    adf::AtcSoundValues& values_;
    std::string baseDirectory_;
    QListWidget* sounds_;
    QPushButton* play_;
    QPushButton* remove_;
    QPushButton* removeAll_;
    QPushButton* add_;
    QPushButton* refresh_;
};

}  // namespace trevalo
