// One showing of the tip of the day: where the tips file was left, whether it changed
// since (then it starts again at its first tip), the tip shown, and the place of the next
// one, stored when the showing ends.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "periphery/tips_file.h"
#include "shell/settings.h"

namespace trevalo {

inline constexpr const char* kTipsNotFoundText = "Tips file could not be found in the default directory";
inline constexpr const char* kTipsTroubleText = "Trouble reading the tips file";
inline constexpr const char* kNoTipsText = "The tips file holds no tip.";

class TipOfTheDay {
public:
    // tipsPath: the base directory's AdvTip.txt. Reads the first tip at once.
    explicit TipOfTheDay(std::string tipsPath);
    // Stores the position of the next tip when the file was read.
    ~TipOfTheDay();
    TipOfTheDay(const TipOfTheDay&) = delete;
    TipOfTheDay& operator=(const TipOfTheDay&) = delete;

    // Tip/StartUp is 0.
    bool ShowAtStartUp() const { return showAtStartUp_; }
    void SetShowAtStartUp(bool show);
    const std::string& Text() const { return text_; }
    // A next tip can be asked for: the file was read and holds a tip.
    bool HasNext() const { return reader_ != nullptr && hasTips_; }
    void LoadTip();
    // Every text the showing may give: each tip of the file, or the text shown without one.
    std::vector<std::string> PossibleTexts() const;

private:
    Settings settings_;
    bool showAtStartUp_ = true;
    std::unique_ptr<TipReader> reader_;
    bool hasTips_ = false;
    std::string text_;
};

}  // namespace trevalo
