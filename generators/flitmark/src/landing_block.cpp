#include "landing_block.h"

#include <algorithm>
#include <cstring>
#include <string>

namespace flitmark {
namespace {

// Copies text into a fixed buffer, cut to fit, terminated.
template <size_t N>
void CopyLine(char (&buffer)[N], const std::string& text) {
    const size_t size = std::min(text.size(), N - 1);
    std::memcpy(buffer, text.data(), size);
    buffer[size] = '\0';
}

}  // namespace

CAirportData ReadLandingBlock(const adf::AirportSection& section) {
    CAirportData data;
    CopyLine(data.airportLine, section.airportLine);
    if (section.ilsLine) CopyLine(data.ilsLine, *section.ilsLine);
    data.runwayBegin = !section.runwayEnd;
    data.runwayHeading = section.runwayHeading;
    return data;
}

}  // namespace flitmark
