// The ATC sound page's values: whether the adventure plays the ATC sounds of the base
// directory's Wav folder.
#pragma once

#include <string>

namespace adf {

inline constexpr const char* kAtcSoundHelpText =
    "The Wav Files are in your sound directory\nThe format is Adv????.wav\n\nDouble click an "
    "Item to hear it\n";

struct AtcSoundValues {
    int noSound = 0;
    std::string helpText = kAtcSoundHelpText;

    bool operator==(const AtcSoundValues&) const = default;
};

}  // namespace adf
