// The holding boxes of the set-variables block: a centre, its altitude and the four
// points 1 nm around it, per landing airport.
#include <numbers>
#include <string>

#include "../sections.h"
#include "platform/message_box.h"

namespace textorin {
namespace {

constexpr double kBoxHalfSizeNm = 1.0;
constexpr double kTenMileCentreNm = 10.0;
constexpr double kTenMileCentreBearing = std::numbers::pi / 4;

constexpr const char* kNoHoldingPlace =
    "You selected a Holding point within 10nm of the Airport\nYou must select a airport to land at.\n\n"
    "The Adventure file will not be created properly\n";

constexpr const char* kHoldingStart = "'\n' Holding\n'\n\tnHoldingDir = -1\n\tnHoldingPos = INT(RANDOM * 5) +1\n";

constexpr const char* kFirstHoldingValues =
    "\tdHoldLat\t\t = dHoldLat_01\n\tdHoldLon\t\t = dHoldLon_01\n\tnHoldingAlt\t\t = nHoldingAlt_01\n"
    "\tnHoldingLatMax\t\t = nHoldingLatMax_01\n\tnHoldingLonMax\t\t = nHoldingLonMax_01\n"
    "\tnHoldingLatMin\t\t = nHoldingLatMin_01\n\tnHoldingLonMin\t\t = nHoldingLonMin_01\n";

constexpr const char* kNoHoldingCheck =
    "\tIF nHoldingLatMax = nHoldingLatMin AND nHoldingLatMax = -1\n\t\tnHoldingPos = 0\t'No holding at this airport\n"
    "\tENDIF\n";

// Which hemisphere letters make the written values negative.
struct BoxSigns {
    bool latitude = false;   // the centre lies south
    bool longitude = false;  // the centre lies east
};

BoxSigns SignsOf(const std::string& latitudeText, const std::string& longitudeText) {
    return {!latitudeText.empty() && latitudeText.front() == 'S',
            !longitudeText.empty() && longitudeText.front() == 'E'};
}

void WriteBoxPoints(SourceWriter& out, size_t i, double lat, double lon, BoxSigns signs) {
    using std::numbers::pi;
    out.Printf("\tnHoldingLatMin_%02zu \t= %s\n", i,
               FormatDms(ComputeDestinationPoint(lat, lon, pi, kBoxHalfSizeNm).latitude, signs.latitude).c_str());
    out.Printf("\tnHoldingLatMax_%02zu  \t= %s\n", i,
               FormatDms(ComputeDestinationPoint(lat, lon, 0.0, kBoxHalfSizeNm).latitude, signs.latitude).c_str());
    out.Printf("\tnHoldingLonMin_%02zu \t= %s\n", i,
               FormatDms(ComputeDestinationPoint(lat, lon, pi / 2, kBoxHalfSizeNm).longitude, signs.longitude).c_str());
    out.Printf(
        "\tnHoldingLonMax_%02zu \t= %s\n", i,
        FormatDms(ComputeDestinationPoint(lat, lon, 3 * pi / 2, kBoxHalfSizeNm).longitude, signs.longitude).c_str());
}

void WriteNavaidBox(GenerationRun& run, size_t i, const std::string& navaidLine) {
    NavaidFields navaid = ReadNavaidFields(navaidLine);
    run.out.Printf("\tdHoldLat_%02zu = %s\n\tdHoldLon_%02zu = %s\n\tnHoldingAlt_%02zu = %d\n", i,
                   run.Angle(navaid.latitude).c_str(), i, run.Angle(navaid.longitude).c_str(), i, navaid.elevation);
    run.out.WriteBlankLine();
    WriteBoxPoints(run.out, i, AngleTextToRadians(navaid.latitude), AngleTextToRadians(navaid.longitude),
                   SignsOf(navaid.latitude, navaid.longitude));
}

// The centre lies 10 nm north-east of the landing airport.
void WriteTenMileBox(GenerationRun& run, size_t i) {
    AirportFields airport = ReadAirportFields(run.airportLines[i]);
    BoxSigns signs = SignsOf(airport.latitude, airport.longitude);
    GeoPoint centre =
        ComputeDestinationPoint(AngleTextToRadians(airport.latitude), AngleTextToRadians(airport.longitude),
                                kTenMileCentreBearing, kTenMileCentreNm);
    run.out.Printf("\tdHoldLat_%02zu = %s\n\tdHoldLon_%02zu = %s\n\tnHoldingAlt_%02zu = %d\n", i,
                   FormatDms(centre.latitude, signs.latitude).c_str(), i,
                   FormatDms(centre.longitude, signs.longitude).c_str(), i, airport.elevation);
    run.out.WriteBlankLine();
    WriteBoxPoints(run.out, i, DmsToRadians(centre.latitude), DmsToRadians(centre.longitude), signs);
}

void WriteNoHold(SourceWriter& out, size_t i) {
    out.Printf("\tdHoldLat_%02zu = -1\n\tdHoldLon_%02zu = -1\n\tnHoldingAlt_%02zu = -1\n", i, i, i);
    out.Printf("\tnHoldingLatMax_%02zu  \t= -1\n\tnHoldingLatMin_%02zu  \t= -1\n", i, i);
    out.Printf("\tnHoldingLonMin_%02zu \t= -1\n\tnHoldingLonMax_%02zu \t= -1\n", i, i);
}

void WriteBoundCheck(SourceWriter& out, size_t i, const char* axis) {
    out.Printf("\tIF nHolding%sMax_%02zu < nHolding%sMin_%02zu THEN\n\t\tnHoldSwap = nHolding%sMax_%02zu\n", axis, i,
               axis, i, axis, i);
    out.Printf("\t\tnHolding%sMax_%02zu = nHolding%sMin_%02zu\n\t\tnHolding%sMin_%02zu = nHoldSwap\n", axis, i, axis, i,
               axis, i);
    out.WriteLine("\tENDIF\n\n");
}

void WriteHoldingBox(GenerationRun& run, size_t i) {
    const adf::Holding* holding = run.route.HoldingOf(i);
    switch (holding ? holding->place : adf::HoldingPlace::Unknown) {
        case adf::HoldingPlace::Navaid:
            WriteNavaidBox(run, i, holding->navaidLine);
            break;
        case adf::HoldingPlace::TenMiles:
            WriteTenMileBox(run, i);
            break;
        case adf::HoldingPlace::NoHolding:
            WriteNoHold(run.out, i);
            break;
        case adf::HoldingPlace::Unknown:
            platform::MessageBox(kNoHoldingPlace, {}, platform::MbIcon::Information);
            break;
    }
}

}  // namespace

void WriteHoldingValues(GenerationRun& run) {
    SourceWriter& out = run.out;
    out.WriteBlankLine();
    out.WriteLine(kHoldingStart);
    size_t landings = run.airportLines.empty() ? 0 : run.airportLines.size() - 1;
    for (size_t i = 1; i <= landings; ++i) {
        WriteHoldingBox(run, i);
        out.WriteBlankLine();
        WriteBoundCheck(out, i, "Lat");
        WriteBoundCheck(out, i, "Lon");
    }
    // The first box's values exist only when there is a landing airport.
    if (landings > 0) out.WriteLine(kFirstHoldingValues);
    out.WriteLine(kNoHoldingCheck);
}

}  // namespace textorin
