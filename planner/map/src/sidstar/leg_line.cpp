#include "map/sidstar_leg_line.h"

#include <cctype>

#include "platform/text.h"

namespace trevalo {
namespace {

constexpr const char* kLegLineFormat =
    "t%02d=%s:%s:%f:%f:%0.2f:%0.2f:%0.2f:%0.2f:%0.2f:%s:%f:%f:%0.2f:%0.2f:%s:%f:%f:%s:";

std::string Text(const char* text) { return text != nullptr ? text : ""; }

bool IsDigit(char c) { return std::isdigit(static_cast<unsigned char>(c)) != 0; }

}  // namespace

std::string LegLine(int n, const ProcedureLeg& leg) {
    return platform::Format(kLegLineFormat, n, leg.code.c_str(), leg.word.c_str(), leg.latitude, leg.longitude,
                            leg.minSpeed, leg.maxSpeed, leg.minAltitude, leg.maxAltitude, leg.heading,
                            leg.headingIdent.c_str(), leg.headingLatitude, leg.headingLongitude, leg.nextDistance,
                            leg.nextRadial, leg.nextIdent.c_str(), leg.nextLatitude, leg.nextLongitude,
                            leg.nextText.c_str());
}

std::optional<int> LegLineNumber(std::string_view line) {
    if (line.size() < 4 || line[0] != 't' || !IsDigit(line[1]) || !IsDigit(line[2]) || line[3] != '=') {
        return std::nullopt;
    }
    return (line[1] - '0') * 10 + (line[2] - '0');
}

ProcedureLeg ParseLegLine(const std::string& line) {
    fileval record;
    record.FillFileval(line.c_str());
    ProcedureLeg leg;
    leg.code = Text(record._Getcode());
    leg.word = Text(record._Getword());
    leg.latitude = record.latitude;
    leg.longitude = record.longitude;
    leg.minSpeed = record.minSpeed;
    leg.maxSpeed = record.maxSpeed;
    leg.minAltitude = record.minAltitude;
    leg.maxAltitude = record.maxAltitude;
    leg.heading = record.heading;
    leg.headingIdent = Text(record._Gethdgid());
    leg.headingLatitude = record.hdgLatitude;
    leg.headingLongitude = record.hdgLongitude;
    leg.nextDistance = record.nextDistance;
    leg.nextRadial = record.nextRadial;
    leg.nextIdent = Text(record._Getidtonext());
    leg.nextLatitude = record.idtonextLatitude;
    leg.nextLongitude = record.idtonextLongitude;
    leg.nextText = Text(record._Getidtonexttext());
    return WithinLimits(std::move(leg));
}

void FillLegRecord(fileval& record, int n, const ProcedureLeg& leg, const std::string& procedureIdent) {
    record.Empty();
    record.FillFileval(LegLine(n, leg).c_str());
    record._Setid(procedureIdent.c_str());
}

}  // namespace trevalo
