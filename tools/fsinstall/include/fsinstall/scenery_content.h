// What a stand-in scenery file holds, in plain units: degrees (longitudes east
// positive), metres of elevation, feet of runway length, kHz and MHz.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace fsinstall {

// Texts are single-byte; the scenery keeps 5 characters of an ident and 24 of a name.
struct Ndb {
    std::string ident;
    std::string name;
    double kilohertz = 0.0;  // tenths kept
    double latitude = 0.0;
    double longitude = 0.0;
    double elevationMetres = 0.0;  // whole metres kept
};

enum class VorKind : std::uint8_t { Vor = 4, Ils = 5, IlsLong = 6 };

struct Vor {
    VorKind kind = VorKind::Vor;
    std::string ident;
    std::string name;
    int channel = 0;  // 108.00 MHz + 0.05 MHz per channel
    double latitude = 0.0;
    double longitude = 0.0;
    double elevationMetres = 0.0;  // whole metres kept
};

struct RunwayEnd {
    double latitude = 0.0;
    double longitude = 0.0;
    double heading = 0.0;  // degrees true
};

// The ILS kinds of the airport records, as the planner tells them apart.
enum class IlsKind : std::int32_t { WithGlideSlope = 4, LocalizerAlone = 5 };

struct Ils {
    IlsKind kind = IlsKind::WithGlideSlope;
    std::string ident;
    double megahertz = 0.0;
    double latitude = 0.0;
    double longitude = 0.0;
    double heading = 0.0;  // the localizer's course, degrees true

    bool operator==(const Ils&) const = default;
};

// Surface codes as the scenery stores them.
enum class Surface : std::uint32_t { Unknown = 0, Dirt, Cement, Asphalt, Grass, Gravel, OilTreated, Mats, Snow };

struct Runway {
    double latitude = 0.0;  // centre
    double longitude = 0.0;
    double elevationMetres = 0.0;
    double heading = 0.0;  // 0 to 360
    int length = 0;        // feet
    Surface surface = Surface::Asphalt;
    int designator = 0;  // 1 L, 2 R, 3 C, 4 H, 0 none
    double magneticVariation = 0.0;
    std::optional<RunwayEnd> start;  // written as runway end records
    std::optional<RunwayEnd> end;
    std::vector<Ils> ils;  // of either end, each written after the runway
};

struct Airport {
    std::string country;
    std::string city;
    std::string name;
    std::string ident;
    double latitude = 0.0;
    double longitude = 0.0;
    double atisMegahertz = 0.0;  // 0: none
    std::vector<Runway> runways;
};

struct SceneryContent {
    std::vector<Ndb> ndbs;
    std::vector<Vor> vors;
    std::vector<Airport> airports;
};

}  // namespace fsinstall
