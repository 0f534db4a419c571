// One runway as the scenery reader gathers it from an airport's records: its values
// kept as numbers, and its airport line composed once when the airport is complete.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace scenrix::detail {

// The texts every runway of one airport takes.
struct AirportTexts {
    std::string name;
    std::string city;
    std::string country;
    std::string ident;  // the airport's ident record
};

// A runway end in degrees (longitude positive east), as its angle texts show it.
struct RunwayEndPoint {
    bool set = false;
    double latitude = 0.0;
    double longitude = 0.0;
};

struct ScannedRunway {
    std::string ident;       // the airport's ident when the runway was read
    double latitude = 0.0;   // the centre, degrees north
    double longitude = 0.0;  // degrees east
    double elevationFeet = 0.0;
    double heading = 0.0;  // degrees, as its six-decimal text reads back (SixDecimals)
    std::int32_t length = 0;
    const char* surface = "";
    bool hasSide = false;         // the record gave a magnetic variation
    const char* sideLetter = "";  // "", "L", "R", "C" or "H"
    double variation = 0.0;
    std::optional<double> atisFrequency;  // MHz
    RunwayEndPoint start;
    RunwayEndPoint end;

    // The side field: the letter and the variation in six decimals; empty without one.
    std::string SideText() const;
};

// The number the six-decimal text of value reads back as.
double SixDecimals(double value);

// The runway's airport line, ending in a line feed, composed into line (its storage
// reused).
void ComposeRunwayLine(const ScannedRunway& runway, const AirportTexts& airport, std::string& line);

}  // namespace scenrix::detail
