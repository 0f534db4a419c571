// subEmergency: fails one of the selected items at random at each check.
#include <string>

#include "../sections.h"
#include "platform/numbers.h"
#include "platform/text.h"

namespace textorin {
namespace {

struct Failure {
    adf::Key code;
    const char* variable;
    const char* condition;  // after the probability
    const char* message;
    bool greaterThan;
};

constexpr Failure kFailures[] = {
    {keys::kFailAdf, "ADF_FAIL", " AND !ADF_FAIL\n", "Co-pilot:ADF Failure...", true},
    {keys::kFailAirspeedIndicator, "AIRSPEED_INDICATOR_FAIL", " AND !AIRSPEED_INDICATOR_FAIL\n",
     "Co-pilot:Airspeed Indicator Failure...", false},
    {keys::kFailAltimeter, "ALTIMETER_FAIL", " AND !ALTIMETER_FAIL\n", "Co-pilot:Altimiter Failure...", false},
    {keys::kFailAttitudeIndicator, "ATTITUDE_INDICATOR_FAIL", " AND !ATTITUDE_INDICATOR_FAIL\n",
     "Co-pilot:Attitude Indicator Failure...", false},
    {keys::kFailAutopilot, "AUTOP_FAIL", " AND !AUTOP_FAIL\n", "Co-pilot:Autopilot Failure...", false},
    {keys::kFailEngine1, "ENGINE_1_FAIL", " AND !ENGINE_1_FAIL\n", "Co-pilot:Engine 1 Failure...", false},
    {keys::kFailEngine2, "ENGINE_2_FAIL", " AND !ENGINE_2_FAIL\n", "Co-pilot:Engine 2 Failure...", false},
    {keys::kFailEngine3, "ENGINE_3_FAIL", " AND !ENGINE_3_FAIL\n", "Co-pilot:Engine 3 Failure...", false},
    {keys::kFailEngine4, "ENGINE_4_FAIL", " AND !ENGINE_4_FAIL\n", "Co-pilot:Engine 4 Failure...", false},
    {keys::kFailGear1, "GEAR1_FAIL", " AND !GEAR1_FAIL AND RETRACTABLE_GEAR\n", "Co-pilot:Nose landing Gear Failure...",
     false},
    {keys::kFailGear2, "GEAR2_FAIL", " AND !GEAR2_FAIL AND RETRACTABLE_GEAR\n", "Co-pilot:Left landing Gear Failure...",
     false},
    {keys::kFailGear3, "GEAR3_FAIL", " AND !GEAR3_FAIL AND RETRACTABLE_GEAR\n",
     "Co-pilot:Right landing Gear Failure...", false},
    {keys::kFailHeadingIndicator, "HEADING_INDICATOR_FAIL", " AND !HEADING_INDICATOR_FAIL\n",
     "Co-pilot:Heading indicator Failure...", false},
    {keys::kFailNav, "NAV_FAIL", " AND !NAV_FAIL\n", "Co-pilot:Vor1 and Vor2 Failure...", false},
    {keys::kFailPanelLights, "PANEL_LIGHTS_FAIL", "\n", "Co-pilot:Panel lights Failure...", true},
    {keys::kFailStrobes, "STROBES_FAIL", " AND !STROBES_FAIL\n", "Co-pilot:Strobes Failure...", false},
    {keys::kFailTransponder, "TRANS_FAIL", " AND !TRANS_FAIL\n", "Co-pilot:Transponder Failure...", false},
    {keys::kFailTurnCoordinator, "TURN_COORDINATOR_FAIL", " AND !TURN_COORDINATOR_FAIL\n",
     "Co-pilot:Turn coordinator Failure...", false},
    {keys::kFailVerticalSpeed, "VERTICAL_SPEED_FAIL", " AND !VERTICAL_SPEED_FAIL\n",
     "Co-pilot:Vertical speed indicator Failure...", false},
};

constexpr const char* kRearm =
    "\tONEXP_CLEAR subEmergency\n\tiEmer_Time = ELAPSED_TIME + 15 * 6\n"
    "\tONEXP_TRUE (ELAPSED_TIME > iEmer_Time) GOSUB subEmergency\n";

}  // namespace

void WriteSubEmergency(GenerationRun& run) {
    SourceWriter& out = run.out;
    out.WriteBlankLine();
    out.WriteBanner("Handle all the emergencies");
    out.WriteLine("subEmergency:\n");
    std::string probability =
        platform::Format("%0.2f", platform::LeadingDouble(run.Value(keys::kFailureProbability)) * 0.01);
    out.WriteBlankLine();
    bool announce = run.IsOptionSet(keys::kAnnounceFailure);
    bool written = false;
    for (const Failure& failure : kFailures) {
        if (!run.IsOptionSet(failure.code)) continue;
        out.WriteLine(std::string(written ? "\tELSEIF RANDOM " : "\tIF RANDOM ") + (failure.greaterThan ? "> " : "< ") +
                      probability + failure.condition);
        written = true;
        out.Printf("\t\t%s = TRUE\n", failure.variable);
        if (announce) out.Printf("\t\tPRINT \"%s\"\n\t\tWAIT MESSAGE\n", failure.message);
    }
    if (written) out.WriteLine("\tENDIF\n");
    out.WriteLine(kRearm);
    out.WriteLine("RETURN\n");
}

}  // namespace textorin
