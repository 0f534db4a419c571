// subEmergency: fails one of the selected items at random at each check.
#include <string>

#include "../sections.h"
#include "../text_format.h"
#include "platform/numbers.h"

namespace textorin {
namespace {

struct Failure {
    const char* code;
    const char* variable;
    const char* condition;  // after the probability
    const char* message;
    bool greaterThan;
};

constexpr Failure kFailures[] = {
    {"_1001", "ADF_FAIL", " AND !ADF_FAIL\n", "Co-pilot:ADF Failure...", true},
    {"_1002", "AIRSPEED_INDICATOR_FAIL", " AND !AIRSPEED_INDICATOR_FAIL\n", "Co-pilot:Airspeed Indicator Failure...", false},
    {"_1003", "ALTIMETER_FAIL", " AND !ALTIMETER_FAIL\n", "Co-pilot:Altimiter Failure...", false},
    {"_1004", "ATTITUDE_INDICATOR_FAIL", " AND !ATTITUDE_INDICATOR_FAIL\n", "Co-pilot:Attitude Indicator Failure...", false},
    {"_1005", "AUTOP_FAIL", " AND !AUTOP_FAIL\n", "Co-pilot:Autopilot Failure...", false},
    {"_1006", "ENGINE_1_FAIL", " AND !ENGINE_1_FAIL\n", "Co-pilot:Engine 1 Failure...", false},
    {"_1007", "ENGINE_2_FAIL", " AND !ENGINE_2_FAIL\n", "Co-pilot:Engine 2 Failure...", false},
    {"_1008", "ENGINE_3_FAIL", " AND !ENGINE_3_FAIL\n", "Co-pilot:Engine 3 Failure...", false},
    {"_1009", "ENGINE_4_FAIL", " AND !ENGINE_4_FAIL\n", "Co-pilot:Engine 4 Failure...", false},
    {"_1010", "GEAR1_FAIL", " AND !GEAR1_FAIL AND RETRACTABLE_GEAR\n", "Co-pilot:Nose landing Gear Failure...", false},
    {"_1011", "GEAR2_FAIL", " AND !GEAR2_FAIL AND RETRACTABLE_GEAR\n", "Co-pilot:Left landing Gear Failure...", false},
    {"_1012", "GEAR3_FAIL", " AND !GEAR3_FAIL AND RETRACTABLE_GEAR\n", "Co-pilot:Right landing Gear Failure...", false},
    {"_1013", "HEADING_INDICATOR_FAIL", " AND !HEADING_INDICATOR_FAIL\n", "Co-pilot:Heading indicator Failure...", false},
    {"_1014", "NAV_FAIL", " AND !NAV_FAIL\n", "Co-pilot:Vor1 and Vor2 Failure...", false},
    {"_1015", "PANEL_LIGHTS_FAIL", "\n", "Co-pilot:Panel lights Failure...", true},
    {"_1016", "STROBES_FAIL", " AND !STROBES_FAIL\n", "Co-pilot:Strobes Failure...", false},
    {"_1017", "TRANS_FAIL", " AND !TRANS_FAIL\n", "Co-pilot:Transponder Failure...", false},
    {"_1018", "TURN_COORDINATOR_FAIL", " AND !TURN_COORDINATOR_FAIL\n", "Co-pilot:Turn coordinator Failure...", false},
    {"_1019", "VERTICAL_SPEED_FAIL", " AND !VERTICAL_SPEED_FAIL\n", "Co-pilot:Vertical speed indicator Failure...", false},
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
    std::string probability = Format("%0.2f", platform::LeadingDouble(run.Value("_1000")) * 0.01);
    out.WriteBlankLine();
    bool announce = run.IsOptionSet("_1020");
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
