// Record lines as the scenery reader writes them (left-justified fields, cut to their
// widths), for tests and benchmarks. Each field struct starts with plausible values;
// override what matters.
#pragma once

#include <string>

namespace navdata::testing {

struct AirportFields {
    std::string city = "Springfield";
    std::string country = "Freedonia";
    std::string name = "Springfield Regional";
    std::string ident = "KSPF";
    double elevation = 1234.5;
    std::string latitude = "N047* 27'12.34";
    std::string longitude = "W122* 18'05.67";
    double atisFrequency = 118.25;  // 0: none
    std::string runwayHeading = "270.0";
    int runwayLength = 9800;
    std::string surface = "Asphalt";
    double ilsFrequency = 110.3;  // 0: none
    std::string ilsIdent = "ISPF";
    char side = 'L';  // 0: none
    double magneticVariation = -5.0;
    std::string runwayStartLatitude = "N047* 27'10.00";
    std::string runwayEndLatitude = "N047* 27'14.00";
    std::string runwayStartLongitude = "W122* 18'00.00";
    std::string runwayEndLongitude = "W122* 18'11.00";
};

struct NavaidFields {
    std::string country;  // blank from the scenery
    std::string type = "VOR";
    std::string ident = "SPF";
    double frequency = 113.4;
    std::string latitude = "N047* 30'00.00";
    std::string longitude = "W122* 20'00.00";
    int elevation = 450;
    std::string name = "SPRINGFIELD";
};

struct IlsFields {
    int kind = 1;
    std::string ident = "ISPF";
    std::string airportIdent = "KSPF";
    std::string latitude = "N047* 27'10.00";
    std::string longitude = "W122* 18'00.00";
    double frequency = 110.3;
    double heading = 270.0;
    std::string side = "L-5.000000";
};

std::string SceneryAirportLine(const AirportFields& fields);
std::string SceneryNavaidLine(const NavaidFields& fields);
std::string SceneryIlsLine(const IlsFields& fields);

}  // namespace navdata::testing
