#include "record_fields.h"

#include <array>

#include "aerodrex/aerodrex.h"
#include "beaconex/beaconex.h"
#include "platform/numbers.h"
#include "platform/text.h"

namespace textorin {
namespace {

// Room for the widest field of any record line and its terminator.
constexpr size_t kFieldBuffer = 400;
constexpr size_t kIlsLineWidth = 92;

// The getters take mutable text and read fixed columns: hand them a copy.
class LineCopy {
public:
    explicit LineCopy(const std::string& line, size_t minimumWidth = 0) : text_(line) {
        if (text_.size() < minimumWidth) text_.resize(minimumWidth, ' ');
    }
    char* data() { return text_.data(); }

private:
    std::string text_;
};

template <typename Getter>
std::string ReadText(Getter getter, LineCopy& line) {
    std::array<char, kFieldBuffer> out{};
    getter(out.data(), line.data());
    return platform::Trimmed(out.data());
}

}  // namespace

LineKind KindOfLine(const std::string& line) {
    switch (GetLineType(line.c_str())) {
        case kAirportLineType:
            return LineKind::Airport;
        case kNavaidLineType:
            return LineKind::Navaid;
        case kIlsLineType:
            return LineKind::Ils;
        default:
            return LineKind::Other;
    }
}

AirportFields ReadAirportFields(const std::string& line) {
    LineCopy copy(line);
    AirportFields f;
    f.name = ReadText(GetAirportName, copy);
    f.ident = ReadText(GetAirportID, copy);
    f.latitude = ReadText(GetAirportLat, copy);
    f.longitude = ReadText(GetAirportLong, copy);
    f.atisFrequency = ReadText(GetAirportAtisFreq, copy);
    f.runwayStartLatitude = ReadText(GetAirportLatBeg, copy);
    f.runwayStartLongitude = ReadText(GetAirportLonBeg, copy);
    f.runwayEndLatitude = ReadText(GetAirportLatEnd, copy);
    f.runwayEndLongitude = ReadText(GetAirportLonEnd, copy);
    f.elevation = platform::LeadingInt(ReadText(GetAirportElev, copy));
    f.runwayHeading = GetAirportRunwayDegree(copy.data());
    f.magneticVariation = GetAirportMagVar(copy.data());
    return f;
}

NavaidFields ReadNavaidFields(const std::string& line) {
    LineCopy copy(line);
    NavaidFields f;
    f.type = ReadText(GetNavaidsType, copy);
    f.ident = ReadText(GetNavaidsID, copy);
    f.frequency = ReadText(GetNavaidsFreq, copy);
    f.latitude = ReadText(GetNavaidsLat, copy);
    f.longitude = ReadText(GetNavaidsLon, copy);
    f.name = ReadText(GetNavaidsName, copy);
    f.elevation = platform::SaturatingInt(platform::LeadingDouble(ReadText(GetNavaidsElev, copy)));
    return f;
}

IlsFields ReadIlsFields(const std::string& line) {
    LineCopy copy(line, kIlsLineWidth);
    IlsFields f;
    f.frequency = GetilsFreq(copy.data());
    f.heading = GetilsHdg(copy.data());
    f.magneticVariation = GetilsMagVar(copy.data());
    return f;
}

}  // namespace textorin
