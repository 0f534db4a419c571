#include "adf/plane_file.h"

#include <cstdio>
#include <vector>

#include "definition_text.h"
#include "platform/files.h"
#include "platform/numbers.h"
#include "platform/text_file.h"

namespace adf {
namespace {

using P = PlanePerformance;

struct PlaneKey {
    std::string_view key;
    int P::*member;  // nullptr: the no-flaps flag
};

// The reader's order: the first key a line holds wins ("vso:" before "vs:").
constexpr PlaneKey kReadOrder[] = {
    {"cruise alt:", &P::cruiseAltitude},
    {"vy:", &P::vy},
    {"vx:", &P::vx},
    {"vtt:", &P::vtt},
    {"vso:", &P::vso},
    {"vs:", &P::vs},
    {"vref:", &P::vref},
    {"vno:", &P::vno},
    {"vne:", &P::vne},
    {"vmo:", &P::vmo},
    {"vmc:", &P::vmc},
    {"vlo:", &P::vlo},
    {"vle:", &P::vle},
    {"vfe:", &P::vfe},
    {"vapp:", &P::vapp},
    {"va:", &P::va},
    {"has flaps:", nullptr},
    {"vr:", &P::vr},
    {"v2:", &P::v2},
    {"v1:", &P::v1},
    {"land speed:", &P::landingSpeed},
    {"land flaps:", &P::finalFlaps},
    {"clmb speed:", &P::climbSpeed},
    {"crse speed:", &P::cruiseSpeed},
    {"desc speed:", &P::descentSpeed},
};

// The writer's two groups, in file order.
constexpr PlaneKey kFirstGroup[] = {
    {"cruise alt:", &P::cruiseAltitude}, {"land speed:", &P::landingSpeed}, {"clmb speed:", &P::climbSpeed},
    {"crse speed:", &P::cruiseSpeed},    {"desc speed:", &P::descentSpeed}, {"land speed:", &P::landingSpeed},
    {"land flaps:", &P::finalFlaps},     {"has flaps:", nullptr},
};
constexpr PlaneKey kSecondGroup[] = {
    {"V1:", &P::v1},   {"V2:", &P::v2},   {"VA:", &P::va},     {"VAPP:", &P::vapp}, {"VFE:", &P::vfe},
    {"VLE:", &P::vle}, {"VLO:", &P::vlo}, {"VMC:", &P::vmc},   {"VMO:", &P::vmo},   {"VNE:", &P::vne},
    {"VNO:", &P::vno}, {"VR:", &P::vr},   {"VREF:", &P::vref}, {"VS:", &P::vs},     {"VSO:", &P::vso},
    {"VTT:", &P::vtt}, {"VX:", &P::vx},   {"VY:", &P::vy},
};

std::string Lower(std::string_view text) {
    std::string out(text);
    for (char& c : out)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    return out;
}

std::string Header(std::string_view planeName) { return Lower("[" + FreeTextLine(planeName) + "]"); }

bool IsHeader(std::string_view line) {
    return line.find('[') != std::string_view::npos && line.find(']') != std::string_view::npos;
}

std::vector<std::string_view> SplitLines(std::string_view text) {
    std::vector<std::string_view> lines;
    while (!text.empty()) {
        size_t end = text.find('\n');
        std::string_view line = text.substr(0, end);
        if (line.ends_with('\r')) line.remove_suffix(1);
        lines.push_back(line);
        if (end == std::string_view::npos) break;
        text.remove_prefix(end + 1);
    }
    return lines;
}

void ReadValue(std::string_view line, P& plane) {
    for (const PlaneKey& key : kReadOrder) {
        size_t at = line.find(key.key);
        if (at == std::string_view::npos) continue;
        const int value = platform::LeadingInt(line.substr(at + key.key.size()));
        if (key.member == nullptr)
            plane.noFlaps = value != 0;
        else
            plane.*key.member = value;
        return;
    }
}

void WriteGroup(std::string& out, std::span<const PlaneKey> group, const P& plane) {
    for (const PlaneKey& key : group) {
        out += key.key;
        out += platform::IntText(key.member == nullptr ? (plane.noFlaps ? 1 : 0) : plane.*key.member);
        out += '\n';
    }
}

}  // namespace

std::string PlaneFilePath(std::string_view baseDirectory) { return std::string(baseDirectory) + kPlaneFileName; }

PlanePerformance ReadPlaneBlock(std::string_view fileText, std::string_view planeName) {
    PlanePerformance plane;
    plane.planeName = std::string(planeName);
    const std::string header = Header(planeName);
    bool inBlock = false;
    for (std::string_view raw : SplitLines(fileText)) {
        const std::string line(Trim(Lower(raw)));
        if (!inBlock) {
            inBlock = line == header;
            continue;
        }
        if (IsHeader(line)) break;
        ReadValue(line, plane);
    }
    return plane;
}

std::string PlaneFileText(std::string_view oldText, const PlanePerformance& plane) {
    const std::string header = Header(plane.planeName);
    // Lines before the first header belong to no plane; kept, they would join the
    // saved plane's block.
    std::string kept;
    bool inBlock = true;
    for (std::string_view raw : SplitLines(oldText)) {
        const std::string line(Trim(Lower(raw)));
        if (IsHeader(line)) inBlock = line == header;
        if (inBlock) continue;
        kept += line;
        kept += '\n';
    }
    std::string out = header + "\n";
    WriteGroup(out, kFirstGroup, plane);
    WriteGroup(out, kSecondGroup, plane);
    if (!Trim(kept).empty()) out += "\n" + kept;
    return out;
}

std::optional<PlanePerformance> LoadPlane(const std::string& planeFilePath, std::string_view planeName) {
    std::string text;
    if (!platform::ReadFileBytes(planeFilePath, text)) return std::nullopt;
    return ReadPlaneBlock(text, planeName);
}

bool SavePlane(const std::string& planeFilePath, const PlanePerformance& plane) {
    // A file that is there but cannot be read is not replaced: the other planes would go.
    std::string old;
    if (!platform::ReadFileBytes(planeFilePath, old) && platform::FileSize(planeFilePath)) return false;
    return platform::ReplaceText(planeFilePath, PlaneFileText(old, plane));
}

std::string MachReadout(int knots) {
    char text[64];
    std::snprintf(text, sizeof text, "%02.02f", knots * 0.0017424242424242424);
    return text;
}

}  // namespace adf
