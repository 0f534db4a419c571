#include "landing_block.h"

#include <algorithm>
#include <cstring>
#include <string_view>

#include "platform/numbers.h"

namespace flitmark {
namespace {

constexpr std::string_view kEndSection = "[ENDSECTION]";
constexpr std::string_view kIlsTag = "[ILS]";
constexpr std::string_view kBeginTag = "[BEG]";
constexpr std::string_view kEndTag = "[END]";

// Copies text into a fixed buffer, cut to fit, terminated.
template <size_t N>
void CopyLine(char (&buffer)[N], const std::string& text) {
    const size_t size = std::min(text.size(), N - 1);
    std::memcpy(buffer, text.data(), size);
    buffer[size] = '\0';
}

double HeadingAfterTag(const std::string& line, std::string_view tag) {
    return platform::LeadingDouble(std::string_view(line).substr(tag.size()));
}

}  // namespace

CAirportData ReadLandingBlock(const adf::Definition& definition, const std::string& airportLine) {
    CAirportData data;
    CopyLine(data.airportLine, airportLine);
    data.runwayBegin = true;
    data.runwayHeading = 0.0;
    const auto found = definition.FindLineContaining(airportLine);
    if (!found) return data;
    const auto& lines = definition.Lines();
    for (size_t i = *found + 1; i < lines.size(); ++i) {
        const std::string& line = lines[i];
        if (line.starts_with(kEndSection)) break;
        if (line.starts_with(kIlsTag) && i + 1 < lines.size()) {
            CopyLine(data.ilsLine, lines[++i]);
        } else if (line.starts_with(kBeginTag)) {
            data.runwayBegin = true;
            data.runwayHeading = HeadingAfterTag(line, kBeginTag);
        } else if (line.starts_with(kEndTag)) {
            data.runwayBegin = false;
            data.runwayHeading = HeadingAfterTag(line, kEndTag);
        }
        // Procedure lines ("[SIDSTAR]", "[SID_ID]", ...) are not needed here.
    }
    return data;
}

}  // namespace flitmark
