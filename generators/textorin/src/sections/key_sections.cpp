// The key commands: the ADV_KEYS list, the ONKEY bindings and their subroutines.
#include <string>

#include "../sections.h"

namespace textorin {
namespace {

struct KeyCommand {
    adf::Key code;
    const char* comment;
    const char* binding;
};

constexpr KeyCommand kKeyCommands[] = {
    {keys::kAlwaysGivePosition, ")\t\t'Give position\n", ") GOSUB subCurrentPos\n"},
    {keys::kAtcHelp, ")\t\t'ATC Help\n", ") GOSUB subATCHelp\n"},
    {keys::kAdvice, ")\t\t'Warning\\Idears\n", ") GOSUB subWarningIdears\n"},
    {keys::kDescendRequest, ")\t\t'Altitude request Down\n", ") GOSUB subAltChangeRequestDown\n"},
    {keys::kClimbRequest, ")\t\t'Altitude request Up\n", ") GOSUB subAltChangeRequestUp\n"},
    {keys::kCourseChangeRequest, ")\t\t'Course change request\n", ") GOSUB subCourseChangeRequest\n"},
    {keys::kPushBack, ")\t\t'Push back\n", ") GOSUB subPushBack\n"},
    {keys::kRestart, ")\t\t'Restart Adv\n", ") GOSUB subResetAdv\n"},
    {keys::kQuit, ")\t\t'Quit, End Adv\n", ") GOSUB subQuit\n"},
};

constexpr const char* kCurrentPosBanner =
    "'\tCurrent position:\n'\t\t1- Distance to next VOR(s)\n'\t\t2- Direction of NDB\n'\t\t3- Distance to airport\n";

constexpr const char* kCurrentPosBody =
    "\tSCROLL \"Co-pilot:\",\n"
    "\tIF VOR_1_Active = TRUE\n\t\tiDistance = AIR_DISTANCE( VOR_1_Lat, VOR_1_Lon)\n"
    "\t\tSCROLL iDistance, \"nm from VOR1...\",\n\tENDIF\n"
    "\tIF VOR_2_Active = TRUE\n\t\tiDistance = AIR_DISTANCE( VOR_2_Lat, VOR_2_Lon)\n"
    "\t\tSCROLL iDistance, \"nm from VOR2...\",\n\tENDIF\n"
    "\tIF ADF_Active = TRUE\n\t\tSCROLL ADF_Bearing, \"Deg to NDB...\",\n\tENDIF\n"
    "\t'Finish the SCROLL line\n"
    "\tSCROLL INT(AIR_DISTANCE( dAirpLandLat, dAirpLandLon)),\"nm to airport\"\n\tWAIT MESSAGE\n";

// The climb and descent requests differ only in these words.
struct AltitudeRequest {
    adf::Key code;
    const char* label;
    const char* verb;
    char sign;
};
constexpr AltitudeRequest kAltitudeRequests[] = {
    {keys::kClimbRequest, "subAltChangeRequestUp", "climb", '+'},
    {keys::kDescendRequest, "subAltChangeRequestDown", "descend", '-'},
};

constexpr const char* kDelta =
    "subDelta:\n"
    "\tIF (PLANE_HEADING > 360) OR (PLANE_HEADING < 45) THEN\n\t\tdeltalat = -1\n\t\tdeltalon =  0\n"
    "\tELSEIF INRANGE (PLANE_HEADING, 45, 90) THEN\n\t\tdeltalat = -.5\n\t\tdeltalon =  .5\n"
    "\tELSEIF INRANGE (PLANE_HEADING, 90, 135) THEN\n\t\tdeltalat = 0\n\t\tdeltalon = 1\n"
    "\tELSEIF INRANGE (PLANE_HEADING, 135, 180) THEN\n\t\tdeltalat = .5\n\t\tdeltalon = .5\n"
    "\tELSEIF INRANGE (PLANE_HEADING, 180, 225) THEN\n\t\tdeltalat = 1\n\t\tdeltalon = 0\n"
    "\tELSEIF INRANGE (PLANE_HEADING, 225, 270) THEN\n\t\tdeltalat =  .5\n\t\tdeltalon = -.5\n"
    "\tELSEIF INRANGE (PLANE_HEADING, 270, 315) THEN\n\t\tdeltalat =  0\n\t\tdeltalon = -1\n"
    "\tELSE\n\t\tdeltalat = -.5\n\t\tdeltalon = -.5\n"
    "\tENDIF\nRETURN\n";

constexpr const char* kPushBack =
    "subPUSHBACK:\n\tGOSUB subDelta\n"
    "\tSET_POSITION PLANE_LAT + 0.000065 * deltalat, PLANE_LON + 0.000065 * deltalon, PLANE_ALT\nRETURN\n";

// Label, blank line, body, "RETURN", blank line.
void WriteSubroutine(GenerationRun& run, const char* label, const std::string& body) {
    run.out.WriteLine(label);
    run.out.WriteBlankLine();
    run.out.WriteLine(body);
    if (!body.empty()) run.out.WriteBlankLine();
    run.out.WriteLine("RETURN\n");
    run.out.WriteBlankLine();
}

void WriteSubCurrentPos(GenerationRun& run) {
    run.out.WriteRule();
    run.out.WriteLine(kCurrentPosBanner);
    run.out.WriteRule();
    run.out.WriteBlankLine();
    WriteSubroutine(run, "subCurrentPos:\n", kCurrentPosBody);
}

void WriteSubAltChangeRequest(GenerationRun& run, const AltitudeRequest& request) {
    std::string body =
        std::string("\tPRINT \"Requesting permission to ") + request.verb + " from \",iAlt_Keep,\" to \", iAlt_Keep" +
        request.sign + " 200\n\tWAIT 5\n\n" +
        "\tIF RANDOM > 0.3 AND iAlt_Keep > (15000+GROUND_ALTITUDE) AND iAlt_Keep < (45000+GROUND_ALTITUDE)\n" +
        "\t\tiAlt_Keep = iAlt_Keep " + request.sign + " 200\n" + "\t\tPRINT \"You are cleared to " + request.verb +
        " 200feet to\",iAlt_Keep\n" + "\tELSE\n\t\tPRINT \"Please Maintain current altitude\"\n\tENDIF\n";
    WriteSubroutine(run, (std::string(request.label) + ":\n").c_str(), body);
}

}  // namespace

void WriteAdventureKeys(GenerationRun& run) {
    run.out.WriteBanner("Adventure Keys:");
    run.out.WriteBlankLine();
    run.out.WriteLine("'\n'Clear keys\n'\n");
    run.out.WriteLine("\tADV_KEYS CLEAR\n");
    for (const KeyCommand& key : kKeyCommands)
        if (run.IsOptionSet(key.code))
            run.out.WriteLine("\tADV_KEYS ADD, KV(" + run.SecondValue(key.code) + key.comment);
}

void WriteKeyBindings(GenerationRun& run) {
    for (const KeyCommand& key : kKeyCommands)
        if (run.IsOptionSet(key.code)) run.out.WriteLine("\tONKEY KV(" + run.SecondValue(key.code) + key.binding);
}

void WriteKeyCommandSubs(GenerationRun& run) {
    if (run.IsOptionSet(keys::kAlwaysGivePosition)) WriteSubCurrentPos(run);
    if (run.IsOptionSet(keys::kAtcHelp)) WriteSubroutine(run, "subATCHelp:\n", "");
    if (run.IsOptionSet(keys::kAdvice)) WriteSubroutine(run, "subWarningIdears:\n", "");
    for (const AltitudeRequest& request : kAltitudeRequests)
        if (run.IsOptionSet(request.code)) WriteSubAltChangeRequest(run, request);
    if (run.IsOptionSet(keys::kCourseChangeRequest)) WriteSubroutine(run, "subCourseChangeRequest:\n", "");
}

void WriteSubPushBack(GenerationRun& run) {
    run.out.WriteLine(kDelta);
    run.out.WriteBlankLine();
    run.out.WriteLine(kPushBack);
    run.out.WriteBlankLine();
}

void WriteSubResetAdv(GenerationRun& run) {
    run.out.WriteBlankLine();
    run.out.WriteBanner("Function to restart the adventure");
    run.out.WriteBlankLine();
    WriteSubroutine(run, "subResetAdv:\n",
                    "\tPRINT \"Restarting the adventure.\"\n\tWAIT MESSAGE\n\tWAIT 5\n\tRESET_ADVENTURE\n");
}

void WriteSubQuit(GenerationRun& run) {
    run.out.WriteBlankLine();
    run.out.WriteBanner("Function to Quit, End, the adventure");
    run.out.WriteBlankLine();
    WriteSubroutine(run, "subQuit:\n", "\tPRINT \"Ending Adventure.\"\n\tWAIT MESSAGE\n\tGOTO subEND\n");
}

}  // namespace textorin
