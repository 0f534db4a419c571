#include "navdb/land_areas.h"

#include <algorithm>
#include <string_view>
#include <utility>

#include "platform/numbers.h"
#include "platform/text.h"

namespace trevalo {

namespace {

constexpr char kCommentMark = ';';
constexpr std::string_view kColourStart = "rgb(";
constexpr int kMaxColourValue = 255;
constexpr double kArcSecondsPerDegree = 3600.0;

struct Bound {
    char letter;  // "w:", "x:", "y:" or "z:"
    int index;
};
constexpr Bound kBounds[] = {{'w', 0}, {'x', 1}, {'y', 2}, {'z', 3}};

int ColourValue(const std::string& text) { return std::min(platform::LeadingInt(text), kMaxColourValue); }

// R between "rgb(" and the first ",", G up to the second ",", B after it.
void ReadColour(const std::string& line, LandArea& colour) {
    const std::string values = line.substr(kColourStart.size());
    const size_t first = values.find(',');
    const size_t second = first == std::string::npos ? std::string::npos : values.find(',', first + 1);
    colour.red = ColourValue(values.substr(0, first));
    colour.green = first == std::string::npos ? 0 : ColourValue(values.substr(first + 1, second - first - 1));
    colour.blue = second == std::string::npos ? 0 : ColourValue(values.substr(second + 1));
}

int32_t ToArcSeconds(double degrees) {
    // Out-of-range or "nan" text must not overflow the conversion.
    return platform::SaturatingInt(degrees * kArcSecondsPerDegree);
}

LandArea AreaOf(double w, double x, double y, double z, const LandArea& colour) {
    if (w > y) std::swap(w, y);
    if (x > z) std::swap(x, z);
    LandArea area = colour;
    area.minLongitude = ToArcSeconds(w);
    area.minLatitude = ToArcSeconds(x);
    area.maxLongitude = ToArcSeconds(y);
    area.maxLatitude = ToArcSeconds(z);
    return area;
}

}  // namespace

void ReadLandAreas(const std::vector<std::string>& lines, std::vector<LandArea>& areas) {
    double bounds[4] = {};
    bool set[4] = {};
    LandArea colour;  // the default colour
    for (const std::string& raw : lines) {
        const std::string line = platform::Trimmed(raw);
        if (line.empty() || line.front() == kCommentMark) continue;
        bool isBound = false;
        for (const Bound& bound : kBounds) {
            if (line.size() >= 2 && line[0] == bound.letter && line[1] == ':') {
                bounds[bound.index] = platform::LeadingDouble(std::string_view(line).substr(2));
                set[bound.index] = true;
                isBound = true;
            }
        }
        if (!isBound) {
            colour = LandArea{};
            if (line.compare(0, kColourStart.size(), kColourStart) == 0) ReadColour(line, colour);
        }
        if (set[0] && set[1] && set[2] && set[3]) {
            areas.push_back(AreaOf(bounds[0], bounds[1], bounds[2], bounds[3], colour));
            for (bool& one : set) one = false;
            colour = LandArea{};
        }
    }
}

}  // namespace trevalo
