#include "periphery/tip_of_the_day.h"

#include "platform/files.h"
#include "platform/message_box.h"

namespace trevalo {

TipOfTheDay::TipOfTheDay(std::string tipsPath) {
    showAtStartUp_ = settings_.ReadInt(SettingId::TipStartUp) == 0;
    std::int64_t position = settings_.ReadInt(SettingId::TipFilePos);
    std::string bytes;
    if (!platform::ReadFileBytes(tipsPath, bytes)) {
        text_ = kTipsNotFoundText;
        return;
    }
    reader_ = std::make_unique<TipReader>(std::move(bytes));
    hasTips_ = true;
    const std::optional<std::time_t> modified = platform::ModificationTime(tipsPath);
    const std::string stamp = modified ? TipTimeStamp(*modified) : std::string();
    if (stamp != settings_.ReadString(SettingId::TipTimeStamp)) {
        // A changed file starts again at its first tip.
        settings_.WriteString(SettingId::TipTimeStamp, stamp);
        position = 0;
    }
    // A position outside the file is reported; reading goes on from the start.
    if (!reader_->Seek(position)) platform::MessageBox(kTipsTroubleText);
    LoadTip();
}

TipOfTheDay::~TipOfTheDay() {
    if (reader_) settings_.WriteInt(SettingId::TipFilePos, static_cast<int>(reader_->Position()));
}

void TipOfTheDay::SetShowAtStartUp(bool show) {
    showAtStartUp_ = show;
    settings_.WriteInt(SettingId::TipStartUp, show ? 0 : 1);
}

void TipOfTheDay::LoadTip() {
    if (!reader_) return;
    if (std::optional<std::string> tip = reader_->NextTip()) {
        text_ = *tip;
        return;
    }
    hasTips_ = false;
    text_ = kNoTipsText;
}

std::vector<std::string> TipOfTheDay::PossibleTexts() const {
    std::vector<std::string> texts = reader_ ? reader_->AllTips() : std::vector<std::string>{};
    if (texts.empty()) texts.push_back(text_);
    return texts;
}

}  // namespace trevalo
