#include "record_lines.h"

#include <cstdio>

namespace textorin::testing {
namespace {

// A field left-justified and cut to its width.
std::string Field(const std::string& text, size_t width) {
    std::string field = text.substr(0, width);
    field.resize(width, ' ');
    return field;
}

std::string Number(const char* format, double value) {
    char text[64];
    std::snprintf(text, sizeof text, format, value);
    return text;
}

}  // namespace

std::string AngleText(char letter, int degrees, int minutes, int hundredths, int tenThousandths) {
    char text[32];
    std::snprintf(text, sizeof text, "%c%03d*%3d'%02d.%02d", letter, degrees, minutes, hundredths, tenThousandths);
    return text;
}

std::string AirportLine(const AirportSpec& s) {
    return Field(s.city, 40) + Field(s.country, 30) + Field(s.name, 50) + Field(s.ident, 10) +
           Field(Number("%f", s.elevation), 15) + Field(s.latitude, 20) + Field(s.longitude, 20) + Field(s.atis, 10) +
           Field(s.runwayHeading, 5) + Field(std::to_string(s.length), 15) + Field(s.surface, 10) +
           Field(s.ilsFrequency, 10) + Field(s.ilsIdent, 10) + Field(s.side, 10) + Field(s.latBeg, 20) +
           Field(s.latEnd, 20) + Field(s.lonBeg, 20) + Field(s.lonEnd, 20);
}

std::string NavaidLine(const NavaidSpec& s) {
    return Field(s.country, 30) + Field(s.type, 3) + Field(s.ident, 10) + Field(Number("%.5f", s.frequency), 20) +
           Field(s.latitude, 21) + Field(s.longitude, 21) + Field(std::to_string(s.elevation), 15) + Field(s.name, 50);
}

std::string IlsLine(const IlsSpec& s) {
    return Field(std::to_string(s.kind), 2) + Field(s.ident, 10) + Field(s.airportIdent, 10) + Field(s.latitude, 20) +
           Field(s.longitude, 20) + Field(Number("%f", s.frequency), 10) + Field(Number("%f", s.heading), 10) +
           Field(s.side, 10);
}

}  // namespace textorin::testing
