// The advice subroutines: stall, angle of attack, gear, speed and the ladder of
// height call-outs on approach.
#include <string>

#include "../sections.h"
#include "platform/text.h"

namespace textorin {
namespace {

constexpr const char* kGearCheck =
    "\tIF ELAPSED_TIME < iGear_Time\n\t\tRETURN\n\tENDIF\n"
    "\tIF GEAR_CONTROL = 1 AND RETRACTABLE_GEAR AND VELOCITY_Y > 0  AND VELOCITY_Y < 10000\n"
    "\tdSound_play = ELAPSED_TIME+ 10\n\t\tPLAY \"\"\n\t\tPLAY \"ADVS001\"\n\t\tPRINT \"Check Gear Up!\"\n"
    "\tELSEIF GEAR_CONTROL = 0 AND ((PLANE_ALT < GROUND_ALTITUDE + 600 AND GROUND_ALTITUDE <50000) OR (PLANE_ALT < 600 "
    "AND GROUND_ALTITUDE > 50000))  AND VELOCITY_Y > 100000\n"
    "\tdSound_play = ELAPSED_TIME+ 10\n\t\tPLAY \"\"\n\t\tPLAY \"ADVS002\"\n\t\tPRINT \"Check Gear Down! \"\n"
    "\tELSEIF RETRACTABLE_GEAR = FALSE\n\t\tONEXP_CLEAR subGearUp\n\tENDIF\n"
    "'\tDon't play a sound too fast afterward\n\tdSound_play = dSound_play+ 5\n\n\tiGear_Time = ELAPSED_TIME +15\n"
    "\n";

constexpr const char* kLadderClears =
    "\tONEXP_CLEAR sub100\n\tONEXP_CLEAR sub200\n\tONEXP_CLEAR sub300\n\tONEXP_CLEAR sub400\n\tONEXP_CLEAR sub500\n";

struct Advice {
    const char* label;
    std::string body;  // ends in RETURN
};

std::string HeightBand(int feet, const char* target) {
    return platform::Format("\tONEXP_TRUE INRANGE( PLANE_ALT, GROUND_ALTITUDE+%d, GROUND_ALTITUDE+%d) GOSUB %s\n",
                            feet - 10, feet + 10, target);
}

// One rung of the height ladder: its sound, then the events of its neighbours.
std::string HeightCallout(int feet, const std::string& upper, const std::string& lower) {
    return platform::Format("\tdSound_play = ELAPSED_TIME+ 10\n\tPLAY \"\"\n\tPLAY \"ADVS%d\"\n\tONEXP_CLEAR sub%d\n",
                            feet, feet) +
           upper + lower + "RETURN\n";
}

}  // namespace

void WriteAdviceSubs(GenerationRun& run) {
    const Advice advices[] = {
        {"subSpeedBelow250:\n",
         "\tPRINT \"Maximum speed below 10000 feet is 250Kts\"\n\tiFlightSpeed = ELAPSED_TIME +15\nRETURN\n"},
        {"subRecover:\n", "\tPRINT \"Stall:Level the plane, Level wings, full power.\"\nRETURN\n"},
        {"subHightAoA:\n",
         "\tIF ON_GROUND\n\t\tRETURN\n\tENDIF\n\tPRINT \"Lower your nose a little.\"\n\t\tWAIT 5\nRETURN\n"},
        {"subGearUp:\n", std::string(kGearCheck) + "RETURN\n"},
        {"subOverSpeed:\n", "\tPRINT \"Reduce Power!\"\nRETURN\n"},
        {"subBelow100:\n",
         std::string("\tONEXP_CLEAR subBelow100\n") + kLadderClears + HeightBand(100, "sub100") + "RETURN\n"},
        {"subAbove500:\n",
         std::string("\tONEXP_CLEAR subAbove500\n") + kLadderClears + HeightBand(500, "sub500") + "RETURN\n"},
        {"sub500:\n", HeightCallout(500, "\tONEXP_TRUE PLANE_ALT > GROUND_ALTITUDE+510 GOSUB subAbove500\n",
                                    HeightBand(400, "sub400"))},
        {"sub400:\n", HeightCallout(400, HeightBand(500, "sub500"), HeightBand(300, "sub300"))},
        {"sub300:\n", HeightCallout(300, HeightBand(400, "sub400"), HeightBand(200, "sub200"))},
        {"sub200:\n", HeightCallout(200, HeightBand(300, "sub300"), HeightBand(100, "sub100"))},
        {"sub100:\n", HeightCallout(100, "\tONEXP_TRUE PLANE_ALT < GROUND_ALTITUDE+90 GOSUB subBelow100\n",
                                    HeightBand(200, "sub200"))},
    };
    run.out.WriteRule();
    run.out.WriteLine("'\tAdvice functions\n");
    run.out.WriteRule();
    for (const Advice& advice : advices) {
        run.out.WriteLine(advice.label);
        run.out.WriteBlankLine();
        run.out.WriteLine(advice.body);
        run.out.WriteBlankLine();
    }
}

}  // namespace textorin
