// The set-variables block: the values of every airport, the landing values, the
// navaids and the first-check times.
#include <string>

#include "../sections.h"

namespace textorin {
namespace {

constexpr const char* kSetVariablesStart =
    "\tiEmer_Time = ELAPSED_TIME + 15 * 60\t'15 min\n' Tolerance\n' Lat/ Lon of all points used (with number for "
    "help)\n";

void WriteAirportValues(GenerationRun& run, size_t number) {
    const std::string& line = run.airportLines[number - 1];
    AirportFields airport = ReadAirportFields(line);
    const AirportSection& section = run.route.Section(number);
    SourceWriter& out = run.out;
    out.Printf("'\n' %s \n'\n", airport.name.c_str());
    if (airport.atisFrequency.empty())
        out.Printf("\tdAirpAtis_%03zu\t= 0\n", number);
    else
        out.Printf("\tdAirpAtis_%03zu\t= %s\n", number, airport.atisFrequency.c_str());
    out.Printf("\tdAirpHdg_%03zu\t= %f\n\tdAirpLat_%03zu\t= %s\n\tdAirpLon_%03zu\t= %s\n", number,
               section.runwayHeading - airport.magneticVariation, number, run.Angle(airport.latitude).c_str(), number,
               run.Angle(airport.longitude).c_str());
    if (section.ilsLine.empty()) {
        out.Printf("\tdAirpIlsFreq_%03zu\t= 0\n\tdAirpIlsObs_%03zu\t= 0\n", number, number);
    } else {
        IlsFields ils = ReadIlsFields(section.ilsLine);
        out.Printf("\tdAirpIlsFreq_%03zu\t= %f\n\tdAirpIlsObs_%03zu\t= %f\n", number, ils.frequency, number,
                   ils.heading - ils.magneticVariation);
    }
    if (number != 1) return;
    const std::string& lat = section.runwayBegin ? airport.runwayStartLatitude : airport.runwayEndLatitude;
    const std::string& lon = section.runwayBegin ? airport.runwayStartLongitude : airport.runwayEndLongitude;
    out.WriteLine("\tdAirpTakeoffLat\t= " + run.Angle(lat) + "\n\tdAirpTakeoffLon\t= " + run.Angle(lon) +
                  "\n\tdAirpTakeOffHdg\t= PLANE_HEADING\n");
    if (const auto& corrected = run.route.CorrectedStart())
        out.Printf("\tSET_POSITION %f, %f, PLANE_ALT\n", corrected->latitude, corrected->longitude);
}

void WriteLandingValues(GenerationRun& run) {
    AirportFields airport = ReadAirportFields(run.airportLines[1]);
    run.out.Printf("\tdAirpLandLat\t= %s\n\tdAirpLandLon\t= %s\n\tdAirpLandHdg\t= %f\n",
                   run.Angle(airport.latitude).c_str(), run.Angle(airport.longitude).c_str(),
                   airport.runwayHeading - airport.magneticVariation);
    if (airport.atisFrequency.empty())
        run.out.WriteLine("'\tdAirpLandFreq\t= No ATIS Freq avail. for landing.\n");
    else
        run.out.WriteLine("\tdAirpLandFreq\t= " + airport.atisFrequency + "\n");
}

void WriteNavaidValues(GenerationRun& run) {
    SourceWriter& out = run.out;
    out.WriteLine("'\n' Do Navaids\n'\n");
    out.WriteBlankLine();
    out.WriteLine("\tiVor1Count \t= 1\n\tiVor2Count \t= 1\n\tiNdbCount  \t= 1\n");
    for (size_t k = 1; k <= run.navaidLines.size(); ++k) {
        NavaidFields navaid = ReadNavaidFields(run.navaidLines[k - 1]);
        out.Printf("\tdNavLat_%03zu \t= %s\n\tdNavLon_%03zu \t= %s\n\tdNavFreq_%03zu \t= %s\n", k,
                   run.Angle(navaid.latitude).c_str(), k, run.Angle(navaid.longitude).c_str(), k,
                   navaid.frequency.c_str());
        if (navaid.type != "VOR") continue;
        const RouteLegInfo& leg = run.route.Leg(k);
        out.Printf("\tdVorObs_%03zu \t= %f\n\tdVor_TO_%03zu \t= %d\n\tdVor_1_%03zu \t= %d\n", k, leg.radial, k,
                   leg.to ? 1 : 0, k, leg.vor1 ? 1 : 0);
        out.WriteBlankLine();
    }
}

}  // namespace

void WriteSetVariables(GenerationRun& run) {
    SourceWriter& out = run.out;
    out.WriteBanner("Set variables");
    out.WriteLine(kSetVariablesStart);
    if (!run.airportLines.empty()) {
        out.Printf("\tiAirportMax \t= %zu\n'\n' Next airport is landing\n'\n\tiAirportCount \t= 2\t'Take off is 1\n",
                   run.airportLines.size());
        for (size_t k = 1; k <= run.airportLines.size(); ++k) WriteAirportValues(run, k);
    }
    if (run.HasLanding()) WriteLandingValues(run);
    if (!run.navaidLines.empty()) WriteNavaidValues(run);
    out.WriteBlankLine();
    out.WriteLine("\tiLandSequence \t= 0\t\t'Take off\n");
    if (run.IsOptionSet(keys::kShowWrong)) out.WriteLine("\tiGear_Time = ELAPSED_TIME+15\t\t'Gear Up\n");
    if (run.IsOptionSet(keys::kHolding)) WriteHoldingValues(run);
}

}  // namespace textorin
