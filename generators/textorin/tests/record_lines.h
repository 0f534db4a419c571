// Record lines for test definitions with the fixtures' values, composed as the scenery
// reader composes them.
#pragma once

#include <string>

namespace textorin::testing {

// "%s%03d*%3d'%02d.%02d": letter, degrees, minutes, hundredths, ten-thousandths.
std::string AngleText(char letter, int degrees, int minutes, int hundredths = 0, int tenThousandths = 0);

struct AirportSpec {
    std::string city = "Springfield", country = "Freedonia", name = "Springfield Intl", ident = "KSPR";
    double elevation = 600.0;
    std::string latitude = AngleText('N', 40, 30), longitude = AngleText('W', 90, 15);
    std::string atis = "121.500000";  // empty: none
    std::string runwayHeading = "270.0";
    int length = 8000;
    std::string surface = "ASPHALT", ilsFrequency, ilsIdent;
    std::string side = "L-2.000000";  // side letter and magnetic variation
    std::string latBeg = AngleText('N', 40, 30, 10), latEnd = AngleText('N', 40, 30, 20);
    std::string lonBeg = AngleText('W', 90, 15, 10), lonEnd = AngleText('W', 90, 16, 30);
};
std::string AirportLine(const AirportSpec& fields);

struct NavaidSpec {
    std::string country = "Freedonia", type = "VOR", ident = "SPR";
    double frequency = 113.9;
    std::string latitude = AngleText('N', 41, 5), longitude = AngleText('W', 89, 40);
    int elevation = 700;
    std::string name = "Springfield VOR";
};
std::string NavaidLine(const NavaidSpec& fields);

struct IlsSpec {
    int kind = 4;
    std::string ident = "ISPR", airportIdent = "KSPR";
    std::string latitude = AngleText('N', 40, 30), longitude = AngleText('W', 90, 15);
    double frequency = 110.3, heading = 92.0;
    std::string side = "R-2.000000";
};
std::string IlsLine(const IlsSpec& fields);

}  // namespace textorin::testing
