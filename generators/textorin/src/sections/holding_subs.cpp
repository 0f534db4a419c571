// The holding subroutines: the stack altitude, the lap round the box and the turn
// toward each side of it.
#include <string>

#include "../sections.h"
#include "platform/text.h"

namespace textorin {
namespace {

constexpr const char* kHoldingBanner =
    "'\tHolding function(s)\n'\t1-\tAfter subland one we move the plane to toward the holding point.\n"
    "'\t2-\tOnce within a certain distance the plane will turn.\n"
    "'\t3-\tEvery turn the ATC will allow plane to descend.\n";

constexpr const char* kHoldingAltBody[] = {
    "\tiAlt_Time = ELAPSED_TIME\n\t' Change this value if you want a diferent altitude\n"
    "\t' We must make sure that we are above the ground\n\tiAlt_Keep = 3000 + nHoldingPos * 500\n"
    "\tiAlt_Keep = nHoldingAlt + (3000+ nHoldingPos * 500)\n\tiAlt_Tol  = 50\n\tAUTOPILOT_ALTITUDE = iAlt_Keep\n",
    "\t'Tell the user to descend/climb...\n"
    "\tONEXP_TRUE (ELAPSED_TIME > iAlt_Time AND !INRANGE(PLANE_ALT, iAlt_Keep - iAlt_Tol, iAlt_Keep + iAlt_Tol)) GOSUB "
    "subALT_MSG\n",
};

constexpr const char* kHoldingBody[] = {
    "\tGOSUB subPlanePos\n",
    "\tIF nPlaneLat < nHoldingLatMin AND nPlaneLon < nHoldingLonMin\n\t\tGOSUB subHolding_0\n"
    "\tELSEIF nPlaneLat < nHoldingLatMin AND nPlaneLon > nHoldingLonMax\n\t\tGOSUB subHolding_90\n"
    "\tELSEIF nPlaneLat > nHoldingLatMax AND nPlaneLon > nHoldingLonMax\n\t\tGOSUB subHolding_180\n"
    "\tELSEIF nPlaneLat > nHoldingLatMax AND nPlaneLon < nHoldingLonMin\n\t\tGOSUB subHolding_270\n"
    "\tELSEIF nPlaneLat > nHoldingLatMax AND nPlaneLon < nHoldingLonMax AND nPlaneLon > nHoldingLonMin\n"
    "\t\tGOSUB subHolding_270\n"
    "\tELSEIF nPlaneLat < nHoldingLatMin AND nPlaneLon < nHoldingLonMax AND nPlaneLon > nHoldingLonMin\n"
    "\t\tGOSUB subHolding_90\n"
    "\tELSEIF nPlaneLon > nHoldingLonMax AND nPlaneLat < nHoldingLatMax AND nPlaneLat > nHoldingLatMin\n"
    "\t\tGOSUB subHolding_180\n"
    "\tELSEIF nPlaneLon < nHoldingLonMin AND nPlaneLat < nHoldingLatMax AND nPlaneLat > nHoldingLatMin\n"
    "\t\tGOSUB subHolding_0\n"
    "\tENDIF\n",
    "\tONEXP_CLEAR subHolding\n\tnHoldingWait = ELAPSED_TIME +15\n\tONEXP_TRUE ELAPSED_TIME > nHoldingWait GOSUB "
    "subHolding\n",
    "\tIF nPlaneLat < dHoldLat AND nPlaneLon < dHoldLon AND nHoldingDir =0\n\t\tnHoldingPos = nHoldingPos -1\n"
    "\t\tIF nHoldingPos <= 0\n\t\t\tONEXP_CLEAR subHolding\n\t\t\tPRINT \"ATC: You are cleared to Land.\"\n"
    "\t\t\tWAIT MESSAGE\n\t\t\tGOSUB subLANDPHASE_2\n\t\tELSE\n"
    "\t\t\tPRINT \"ATC: Please Hold you are number \", nHoldingPos,\" in the stack.\"\n\t\t\tWAIT MESSAGE\n"
    "\t\t\tGOSUB subHoldingAlt\n\t\tENDIF\n\tENDIF\n",
    "\tIF nPlaneLat < dHoldLat AND nPlaneLon < dHoldLon\n\t\tnHoldingDir =1\n\tELSE\n\t\tnHoldingDir =0\n\tENDIF\n",
};

constexpr int kBoxSides[] = {0, 90, 180, 270};

// Label, blank line, body lines with blank lines between, "RETURN", blank line.
template <size_t N>
void WriteHoldingSub(SourceWriter& out, const std::string& label, const std::string (&body)[N]) {
    out.WriteLine(label);
    out.WriteBlankLine();
    for (size_t i = 0; i < N; ++i) {
        out.WriteLine(body[i]);
        out.WriteBlankLine();
    }
    out.WriteLine("RETURN\n");
    out.WriteBlankLine();
}

template <size_t N>
void WriteHoldingSub(SourceWriter& out, const std::string& label, const char* const (&body)[N]) {
    std::string lines[N];
    for (size_t i = 0; i < N; ++i) lines[i] = body[i];
    WriteHoldingSub(out, label, lines);
}

void WriteSideSub(SourceWriter& out, int heading) {
    std::string turn =
        platform::Format("\tIF iHdg_Keep != %d THEN\n\t\tAUTOPILOT_HEADING = %d\n\tENDIF\n", heading, heading);
    std::string check = platform::Format(
        "\tIF !INRANGE360(PLANE_HEADING, iHdg_Keep - 10, iHdg_Keep + 10)\n\t\tPRINT \"ATC:Holding... Turn Heading "
        "%d\"\n\t\tWAIT MESSAGE\n\tENDIF\n",
        heading);
    std::string keep = heading == 0
                           ? "\tiHdg_Keep = 0\n" + check + "\tONEXP_CLEAR subHDG_MSG\n"
                           : platform::Format("\tiHdg_Keep = %d\n\tONEXP_CLEAR\tsubHDG_MSG\n", heading) + check;
    const std::string body[] = {turn, keep};
    WriteHoldingSub(out, platform::Format("subHolding_%d:\n", heading), body);
}

}  // namespace

void WriteHoldingSubs(GenerationRun& run) {
    SourceWriter& out = run.out;
    out.WriteRule();
    out.WriteLine(kHoldingBanner);
    out.WriteRule();
    out.WriteBlankLine();
    WriteHoldingSub(out, "subHoldingAlt:\n", kHoldingAltBody);
    WriteHoldingSub(out, "subHolding:\n", kHoldingBody);
    for (int side : kBoxSides) WriteSideSub(out, side);
}

}  // namespace textorin
