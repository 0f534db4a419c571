// The record-line fields the source needs, read with the navigation data getters and
// trimmed. Every function takes a whole record line of its kind.
#pragma once

#include <string>

namespace textorin {

enum class LineKind { Airport, Navaid, Ils, Other };
LineKind KindOfLine(const std::string& line);

struct AirportFields {
    std::string name, ident, latitude, longitude, atisFrequency;
    std::string runwayStartLatitude, runwayStartLongitude, runwayEndLatitude, runwayEndLongitude;
    int elevation = 0;
    double runwayHeading = 0.0;
    double magneticVariation = 0.0;
};
AirportFields ReadAirportFields(const std::string& line);

struct NavaidFields {
    std::string type, ident, frequency, latitude, longitude, name;
    int elevation = 0;
};
NavaidFields ReadNavaidFields(const std::string& line);

struct IlsFields {
    double frequency = 0.0;
    double heading = 0.0;
    double magneticVariation = 0.0;
};
IlsFields ReadIlsFields(const std::string& line);

}  // namespace textorin
