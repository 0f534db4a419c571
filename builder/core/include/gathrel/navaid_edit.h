// What the navaid and airport pages check and compose: the navaid kinds of the page and
// their type words, frequencies (to the nearest 0.05 MHz channel, or tenths of a kHz),
// and the full 170-character navaid line of an edited navaid.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace gathrel {

// In the order of the page's type list.
enum class NavaidKind { Dme, Adf, Vor, Ndb };
inline constexpr const char* kNavaidKindNames[] = {"Dme", "Adf", "Vor", "Ndb"};

// "DME", "NDB", "VOR", "NDB": the line's type word; both beacon kinds are NDBs.
const char* TypeWordOf(NavaidKind kind);
// The page's kind of a line's type word; nullopt for others ("ILS", "GPS").
std::optional<NavaidKind> KindOfTypeWord(std::string_view word);

struct FrequencyCheck {
    double value = 0.0;   // rounded, or the default when out of range
    std::string message;  // empty when in range
};

// Beacons 200 to 1699.9 kHz kept to tenths; DME and VOR 108.00 to 117.95 MHz to the
// nearest channel.
FrequencyCheck CheckNavaidFrequency(NavaidKind kind, double value);
// ILS and localizer 108.10 to 111.95 MHz, to the nearest channel.
FrequencyCheck CheckIlsFrequency(double megahertz);
// As the pages show it: tenths for beacons, two decimals otherwise.
std::string FrequencyText(NavaidKind kind, double value);

struct EditedNavaid {
    std::string country;
    NavaidKind kind = NavaidKind::Vor;
    std::string ident;
    double frequency = 0.0;
    double latitude = 0.0;   // signed degrees, north positive
    double longitude = 0.0;  // east positive
    int elevationFeet = 0;
    std::string name;  // kept from the record changed, blank for a new one
};

// The navaid line with its line feed, every field cut and padded to its width.
std::string ComposeEditedNavaidLine(const EditedNavaid& navaid);

}  // namespace gathrel
