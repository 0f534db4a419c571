// The declarations block: every variable the source uses, the numbered families of
// the route points, and the filling of the run's route arrays.
#include <string>

#include "../sections.h"
#include "platform/text.h"

namespace textorin {
namespace {

constexpr size_t kDeclareFlushLength = 100;

constexpr const char* kFixedDeclarations =
    "\tDECLARE iLandingSequence\n\tDECLARE dTempHeading, dHeading\n"
    "\tDECLARE dLat, dLon, iDistance, dRadial, cComFreq\n' Atc messages\n";

constexpr const char* kLandingAndTakeoffDeclarations =
    "'\tLanding values\n\tDECLARE dAirpLandLat, dAirpLandLon, dAirpLandHdg, dAirpLandFreq\n"
    "'\tTake off values\n\tDECLARE dAirpTakeoffLat, dAirpTakeoffLon, dAirpTakeOffHdg\n";

constexpr const char* kCurrentNavaidDeclarations =
    "\tDECLARE dVor1_Lat_Cur, dVor1_Lon_Cur\t' Valid even if vor's are too far\n"
    "\tDECLARE dVor2_Lat_Cur, dVor2_Lon_Cur\n"
    "\tDECLARE dAdf_Lat_Cur, dAdf_Lon_Cur\t' Valid even if ndb's are too far\n";

constexpr const char* kHoldingDeclarations =
    "\tDECLARE nHoldingPos, nHoldingDir, dHoldLat, dHoldLon\n\tDECLARE nHoldingLatMax, nHoldingLatMin\n"
    "\tDECLARE nHoldingLonMax, nHoldingLonMin\n\tDECLARE nHoldingWait, nHoldingAlt\n\tDECLARE nHoldSwap\n";

constexpr const char* kSidStarDeclarations =
    "\tDECLARE nSidStarHdg, lSidStarLat, lSidStarLon, lSidStarCnt, lSidStarMax\n"
    "\tDECLARE nSidStarAltMax, nSidStarAltMin, iSisStar_Time\n";

// A list of " name," items written as one DECLARE line.
class DeclareList {
public:
    void Add(const std::string& items) { items_ += items; }
    void Write(SourceWriter& out) {
        if (items_.empty()) return;
        items_.pop_back();  // the trailing comma
        out.WriteLine("\tDECLARE " + items_ + "\n");
        items_.clear();
    }
    void WriteIfLong(SourceWriter& out) {
        if (items_.size() > kDeclareFlushLength) Write(out);
    }

private:
    std::string items_;
};

struct RouteDeclareLists {
    DeclareList airport, airportPosition, ils, navaid, navaidExtra;

    void WriteLong(SourceWriter& out) {
        for (DeclareList* list : {&airport, &airportPosition, &ils, &navaid, &navaidExtra}) list->WriteIfLong(out);
    }
};

// Whether any part of the source assigns the sound hold-off variable.
bool UsesSoundHoldOff(const GenerationRun& run) {
    return run.IsOptionSet(keys::kSound) || run.IsOptionSet(keys::kShowWrong) || run.IsOptionSet(keys::kSpeedCalls);
}

void WriteRouteFamilies(GenerationRun& run) {
    RouteDeclareLists lists;
    int airport = 1;
    int navaid = 1;
    for (const RouteEntry& entry : run.route.Entries()) {
        switch (entry.kind) {
            case LineKind::Airport:
                lists.airport.Add(
                    platform::Format(" dAirpAtis_%03d, dAirpIlsFreq_%03d, dAirpIlsObs_%03d, dAirpHdg_%03d,", airport,
                                     airport, airport, airport));
                lists.airportPosition.Add(platform::Format(" dAirpLat_%03d, dAirpLon_%03d,", airport, airport));
                run.airportLines.push_back(entry.line);
                ++airport;
                break;
            case LineKind::Navaid:
                lists.navaid.Add(
                    platform::Format(" dNavLat_%03d, dNavLon_%03d, dNavFreq_%03d,", navaid, navaid, navaid));
                lists.navaidExtra.Add(platform::Format(" dNavType_%03d,", navaid));
                if (ReadNavaidFields(entry.line).type == "VOR")
                    lists.navaidExtra.Add(
                        platform::Format(" dVorObs_%03d, dVor_TO_%03d, dVor_1_%03d,", navaid, navaid, navaid));
                run.navaidLines.push_back(entry.line);
                ++navaid;
                break;
            case LineKind::Ils:
                lists.ils.Add(platform::Format(" dAirpIlsFreq_%03d, dAirpIlsObs_%03d,", airport, airport));
                run.ilsLines.push_back(entry.line);
                break;
            case LineKind::Other:
                break;
        }
        lists.WriteLong(run.out);
    }
    lists.airport.Write(run.out);
    run.out.WriteLine(kLandingAndTakeoffDeclarations);
    run.out.WriteBlankLine();
    for (DeclareList* list : {&lists.airportPosition, &lists.ils, &lists.navaid, &lists.navaidExtra})
        list->Write(run.out);
}

}  // namespace

void WriteDeclarations(GenerationRun& run) {
    SourceWriter& out = run.out;
    out.WriteBanner("Declare all the variables:");
    out.WriteBlankLine();
    out.WriteLine(kFixedDeclarations);
    out.WriteLine("\tDECLARE iEmer_Time\n");
    // The speed call-outs and the advice subroutines assign it too, not only the sound.
    if (UsesSoundHoldOff(run)) out.WriteLine("\tDECLARE dSound_play\n");
    out.WriteLine("\tDECLARE nPlaneLat, nPlaneLon\n");
    out.WriteLine("\t' Calculation, Altitude and Hdg\n\tDECLARE iAlt_Time, iAlt_Keep, iAlt_Tol\n");
    out.WriteLine("\tDECLARE iHdg_Time, iHdg_Keep, iHdg_Tol\n");
    out.WriteLine("\tDECLARE iLandSequence\n");
    if (run.IsOptionSet(keys::kShowWrong)) out.WriteLine("\tDECLARE iGear_Time\n\tDECLARE iFlightSpeed\n");
    if (run.IsOptionSet(keys::kPushBack)) out.WriteLine("\tDECLARE deltalat, deltalon\t\t'Push back\n");

    run.airportLines.clear();
    run.navaidLines.clear();
    run.ilsLines.clear();
    out.WriteLine("\tDECLARE iAirportMax, iAirportCount\n");
    out.WriteLine("\tDECLARE iVor1Count, iVor2count, iNdbCount\n");
    WriteRouteFamilies(run);
    out.WriteLine(kCurrentNavaidDeclarations);

    if (run.IsOptionSet(keys::kHolding)) {
        out.WriteBlankLine();
        out.WriteLine(kHoldingDeclarations);
        for (size_t i = 1; i < run.airportLines.size(); ++i)
            out.Printf(
                "\tDECLARE nHoldingLatMax_%02zu, nHoldingLatMin_%02zu\n\tDECLARE nHoldingLonMax_%02zu, "
                "nHoldingLonMin_%02zu\n\tDECLARE dHoldLat_%02zu, dHoldLon_%02zu\n\tDECLARE nHoldingAlt_%02zu\n",
                i, i, i, i, i, i, i);
    }
    out.WriteBlankLine();
    if (!run.IsOptionSet(keys::kDefaultLanding)) {
        out.WriteLine(kSidStarDeclarations);
        for (size_t j = 1; j <= run.route.MaxStarPoints(); ++j)
            out.Printf(
                "\tDECLARE lSidStarLat_%02zu, lSidStarLon_%02zu\n\tDECLARE nSidStarAltMax_%02zu, "
                "nSidStarAltMin_%02zu\n",
                j, j, j, j);
    }
}

}  // namespace textorin
