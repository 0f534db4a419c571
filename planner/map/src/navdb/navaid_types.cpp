#include <array>

#include "map/nav_database.h"
#include "platform/text.h"

namespace trevalo {
namespace {

struct NavaidType {
    const char* text;
    double type;
};

constexpr std::array<NavaidType, 4> kNavaidTypes{{{"VOR", 1.0}, {"NDB", 2.0}, {"DME", 3.0}, {"ILS", 4.0}}};
constexpr double kOtherNavaidType = -1.0;

}  // namespace

double NavaidTypeOfText(std::string_view typeText) {
    const std::string trimmed = platform::Trimmed(typeText);
    for (const NavaidType& known : kNavaidTypes) {
        if (trimmed == known.text) return known.type;
    }
    return kOtherNavaidType;
}

const char* NavaidTypeText(double type) {
    for (const NavaidType& known : kNavaidTypes) {
        if (type == known.type) return known.text;
    }
    return "";
}

}  // namespace trevalo
