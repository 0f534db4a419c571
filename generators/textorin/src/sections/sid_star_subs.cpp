// The SID and STAR subroutines: the plane is led point by point through the
// departure and the arrival procedure of each airport.
#include <string>

#include "../sections.h"
#include "chain_writer.h"
#include "platform/text.h"

namespace textorin {
namespace {

constexpr const char* kSidStarHdg =
    "subSidStarHdg:\n\n\tONEXP_CLEAR subSidStarHdg\n\n"
    "\tIF iLandSequence =5 AND FIX_TO_FIX_DISTANCE( lSidStarLat, lSidStarLon, dAirpLandLat, dAirpLandLon) < 1.5\n"
    "\t\tRETURN\n\tENDIF\n\n"
    "\tIF AIR_DISTANCE( lSidStarLat, lSidStarLon) > 3\n\t\tiHdg_Keep = RADIAL( lSidStarLat, lSidStarLon)\n"
    "\t\tiHdg_Keep = iHdg_Keep+ 180\n\t\tIF iHdg_Keep > 360\n\t\t\tiHdg_Keep = iHdg_Keep - 360\n\t\tENDIF\n"
    "\t\tnSidStarHdg\t= iHdg_Keep\n\t\t'\tHeading\n\t\tAUTOPILOT_HEADING = iHdg_Keep\n\tENDIF\n\n"
    "\tiSisStar_Time = ELAPSED_TIME + 5\n"
    "\tONEXP_TRUE ELAPSED_TIME > iSisStar_Time  AND RADIAL( lSidStarLat, lSidStarLon) - AUTOPILOT_HEADING > 0 AND "
    "!INRANGE360( RADIAL( lSidStarLat, lSidStarLon) - AUTOPILOT_HEADING, 175, 185) GOSUB subSidStarHdg\n"
    "\tONEXP_TRUE ELAPSED_TIME > iSisStar_Time  AND RADIAL( lSidStarLat, lSidStarLon) - AUTOPILOT_HEADING < 0 AND "
    "!INRANGE360( AUTOPILOT_HEADING - RADIAL( lSidStarLat, lSidStarLon) , 175, 185) GOSUB subSidStarHdg\n\n"
    "RETURN\n\n";

constexpr const char* kAltitudeWarnings =
    "\tiAlt_Tol\t=\t200\n\tIF PLANE_ALT > nSidStarAltMax+iAlt_Tol AND nSidStarAltMax > 0\n"
    "\t\tPRINT \"The maximum altitude for this way point was MNM\", nSidStarAltMax\n\t\t%1$s\n\tENDIF\n"
    "\tIF PLANE_ALT < nSidStarAltMin-iAlt_Tol AND nSidStarAltMin > 0\n"
    "\t\tPRINT \"You had to cross the waypoint at MNM\", nSidStarAltMin\n\t\t%1$s\n\tENDIF\n";

constexpr const char* kPointAssignments =
    "\t\tlSidStarLat\t=\tlSidStarLat_%1$02zu\n\t\tlSidStarLon\t=\tlSidStarLon_%1$02zu\n"
    "\t\tnSidStarAltMax\t=\tnSidStarAltMax_%1$02zu\n\t\tnSidStarAltMin\t=\tnSidStarAltMin_%1$02zu\n";

// The altitude block of both procedures; %s is the STAR's extra condition.
constexpr const char* kAltitudeBlock =
    "\tONEXP_CLEAR subALT_MSG\n\tIF lSidStarCnt > 1 AND nSidStarAltMax > 0%s\n\t\tiAlt_Keep\t=\tnSidStarAltMax\n"
    "\t\tiAlt_Tol\t=\t200\n\t\tIF nSidStarAltMin > nSidStarAltMax\n\t\t\tnSidStarAltMin = nSidStarAltMax\n\t\tENDIF\n"
    "\t\tONEXP_TRUE (ELAPSED_TIME > iAlt_Time AND !INRANGE(PLANE_ALT, nSidStarAltMin - iAlt_Tol, iAlt_Keep + "
    "iAlt_Tol)) "
    "GOSUB subALT_MSG\n\t\tAUTOPILOT_ALTITUDE = iAlt_Keep\n\t\tIF PLANE_ALT > nSidStarAltMax + iAlt_Tol\n"
    "\t\t\tPRINT \"Descend and maintain \", nSidStarAltMax\n\t\t\tWAIT 2\n\t\tELSEIF PLANE_ALT < nSidStarAltMin - "
    "iAlt_Tol\n"
    "\t\t\tPRINT \"Climb and maintain \", nSidStarAltMin\n\t\t\tWAIT 2\n\t\tENDIF\n\tENDIF\n";

constexpr const char* kHeadingToPoint =
    "\tnSidStarHdg = RADIAL( lSidStarLat, lSidStarLon) + 180\n\tIF nSidStarHdg > 360\n"
    "\t\tnSidStarHdg = nSidStarHdg - 360\n\tENDIF\n";

// The crossing block: re-run %1$s when the plane passes the point; %2$s closes the
// distance call as each procedure writes it.
constexpr const char* kCrossing =
    "\tONEXP_CLEAR %1$s\n\tIF PLANE_LAT < lSidStarLat\n\t\tONEXP_TRUE PLANE_LAT > lSidStarLat GOSUB %1$s\n"
    "\tELSEIF  PLANE_LAT > lSidStarLat\n\t\tONEXP_TRUE PLANE_LAT < lSidStarLat GOSUB %1$s\n\tENDIF\n\n"
    "\tIF PLANE_LON > lSidStarLon\n\t\tONEXP_TRUE PLANE_LON < lSidStarLon GOSUB %1$s\n"
    "\tELSEIF  PLANE_LON < lSidStarLon\n\t\tONEXP_TRUE PLANE_LON > lSidStarLon GOSUB %1$s\n\tENDIF\n\n"
    "\tONEXP_TRUE AIR_DISTANCE( lSidStarLat, lSidStarLon%2$s 1.5 GOSUB %1$s\n";

constexpr const char* kSidLeadIn =
    "\t'Prevent turn too early\n\tONEXP_TRUE PLANE_ALT > GROUND_ALTITUDE+ 200 GOSUB subHandleSID\nRETURN\n";

constexpr const char* kSidReachedTakeoff =
    "\tIF FIX_TO_FIX_DISTANCE( lSidStarLat, lSidStarLon, dAirpTakeoffLat, dAirpTakeoffLon) < 1.5\n"
    "\t\tGOSUB subHandleSID\n\t\tRETURN\n\tENDIF\n";

constexpr const char* kSidMsg =
    "subSIDmsg:\n\tAUTOPILOT_HEADING = INT( nSidStarHdg )\n\tONEXP_CLEAR subSIDmsg\n"
    "\tIF !INRANGE360( PLANE_HEADING, nSidStarHdg- 30, nSidStarHdg+ 30)\n"
    "\t\tPRINT \"SID:Turn heading \", INT( nSidStarHdg )\n\t\tWAIT 2\n\tENDIF\n"
    "\tIF AIR_DISTANCE( lSidStarLat, lSidStarLon) > 30\n\t\tONEXP_CLEAR subSIDmsg\n\t\tGOSUB subSTAR\n";

constexpr const char* kStarMsg =
    "subSTARmsg:\n\tIF AIR_DISTANCE( dAirpLandLat, dAirpLandLon) < 5\n\t\tRETURN\n\tENDIF\n"
    "\tAUTOPILOT_HEADING = INT( nSidStarHdg )\n\tONEXP_CLEAR subSTARmsg\n"
    "\tIF !INRANGE360( PLANE_HEADING, nSidStarHdg- 30, nSidStarHdg+ 30)\n"
    "\t\tPRINT \"STAR:Turn heading \", INT( nSidStarHdg )\n\t\tWAIT 2\n\tENDIF\nRETURN\n";

constexpr const char* kStarLandingPhase1 =
    "subLANDPHASE_1_STAR:\n"
    "\tONEXP_CLEAR subCruiseAlt\n\tONEXP_CLEAR subLANDPHASE_1_STAR\n\tONEXP_CLEAR subHandleSID\n"
    "\tONEXP_CLEAR subHDG_MSGDirect\n\tONEXP_CLEAR subALT_MSG\n\tiAlt_Tol  = 300\n"
    "\tiAlt_Time = ELAPSED_TIME + 15\n\tIF nSidStarAltMax > 0\n\t\tiAlt_Keep = nSidStarAltMax\t\n"
    "\t\tAUTOPILOT_ALTITUDE = iAlt_Keep\n\t\tIF PLANE_ALT > nSidStarAltMax + iAlt_Tol\n"
    "\t\t\tPRINT \"Descend and maintain \", nSidStarAltMax\n\t\t\tWAIT 2\n\t\tELSEIF PLANE_ALT < nSidStarAltMin - "
    "iAlt_Tol\n"
    "\t\t\tPRINT \"Climb and maintain \", nSidStarAltMin\n\t\t\tWAIT 2\n\t\tENDIF\n"
    "\t\tONEXP_TRUE (ELAPSED_TIME > iAlt_Time AND !INRANGE(PLANE_ALT, nSidStarAltMin- iAlt_Tol, "
    "nSidStarAltMax+iAlt_Tol)) "
    "GOSUB subALT_MSG\n\tENDIF\n"
    "\tAUTOPILOT_ALTITUDE = iAlt_Keep\n"
    "'\tTurn torward the first STAR\n\tiHdg_Keep = RADIAL( lSidStarLat, lSidStarLon)\n\tiHdg_Keep = iHdg_Keep+ 180\n"
    "\tIF iHdg_Keep > 360\n\t\tiHdg_Keep = iHdg_Keep - 360\n\tENDIF\n\tnSidStarHdg\t= iHdg_Keep\n'\tHeading\n"
    "\tAUTOPILOT_HEADING = iHdg_Keep\n\tPRINT \"ATC: begin STAR landing, Turn heading \", INT( nSidStarHdg )\n\tWAIT "
    "2\n"
    "\tiLandSequence\t=\t5\n"
    "\tONEXP_CLEAR subHDG_MSG\n\tONEXP_CLEAR subSidStarHdg\n\tGOSUB subSidStarHdg\n"
    "\tONEXP_TRUE AIR_DISTANCE( dAirpLandLat, dAirpLandLon) <= (PLANE_ALT/ 1000)* 3 GOSUB subHandleILS\nRETURN\n";

void WriteProcedureBanner(SourceWriter& out, const char* name, const char* note) {
    out.WriteRule();
    out.Printf("'\t%s\n", name);
    out.WriteLine("'\tTells the user where/ when to turn\n'\tGives warnings but nothing more \n");
    out.WriteLine(note);
    out.WriteLine("'\t~~\n");
    out.WriteRule();
}

const char* Range(const GenerationRun& run, const char* far, const char* near) { return run.FarRange() ? far : near; }

void WriteCruiseEvent(GenerationRun& run) {
    run.out.Printf("\t\tONEXP_TRUE AIR_DISTANCE( dAirpTakeoffLat, dAirpTakeoffLon) > %s GOSUB subCruiseAlt\n",
                   Range(run, "6", "3"));
}

void WriteApproachEvent(GenerationRun& run, const char* from, const char* target) {
    run.out.Printf(
        "\t\tONEXP_TRUE AIR_DISTANCE( %s) <= (PLANE_ALT/ 1000)* %s AND AIR_DISTANCE( dAirpTakeoffLat, "
        "dAirpTakeoffLon) > %s GOSUB %s\n",
        from, Range(run, "3", "1.5"), Range(run, "5", "2.5"), target);
}

void WriteProcedurePoint(SourceWriter& out, size_t i, const ProcedurePoint& point) {
    out.Printf("\t\tlSidStarLat_%02zu = %f\n\t\tlSidStarLon_%02zu = %f\n", i, point.latitude, i, point.longitude);
    out.Printf("\t\tnSidStarAltMax_%02zu = %d\n\t\tnSidStarAltMin_%02zu = %d\n", i, point.altitudeMax, i,
               point.altitudeMin);
}

// The chain "IF lSidStarCnt  = 1" ... over point numbers 1 to count; nothing without
// points, since the numbered variables exist only up to the largest count.
template <typename Extra>
void WritePointChain(GenerationRun& run, size_t count, Extra extra) {
    if (count == 0) return;
    for (size_t i = 1; i <= count; ++i) {
        if (i == 1)
            run.out.WriteLine("\tIF lSidStarCnt  = 1\n");
        else
            run.out.Printf("\tELSEIF lSidStarCnt  = %zu\n", i);
        run.out.Printf(kPointAssignments, i);
        extra();
    }
    run.out.WriteLine("\tENDIF\n");
}

void WriteSidSegments(GenerationRun& run) {
    SourceWriter& out = run.out;
    size_t airports = run.airportLines.size();
    ChainWriter without(out);
    for (size_t p = 0; p < airports; ++p) {
        if (!run.route.Section(p + 1).points.empty()) continue;
        without.Branch(platform::Format("iAirportCount = %zu'Airport count already changed\n", p + 2),
                       platform::Format("iAirportCount = %zu\n", p + 2));
        out.WriteLine("\t\tRETURN\t'No SID here\n");
    }
    without.Close();
    ChainWriter with(out);
    for (size_t p = 0; p < airports; ++p) {
        const AirportSection& section = run.route.Section(p + 1);
        if (section.points.empty()) continue;
        with.Branch(platform::Format("iAirportCount = %zu'Airport count already changed\n", p + 2),
                    platform::Format("iAirportCount = %zu\n", p + 2));
        out.Printf("\t\tlSidStarMax\t= %zu\n\t\tlSidStarCnt\t= 0\n", section.points.size());
        out.WriteLine("\t\tONEXP_CLEAR subLANDPHASE_1\n\t\tONEXP_CLEAR subCruiseAlt\n");
        for (size_t i = 1; i <= section.points.size(); ++i) WriteProcedurePoint(out, i, section.points[i - 1]);
    }
    with.Close();
}

void WriteSubHandleSid(GenerationRun& run) {
    SourceWriter& out = run.out;
    out.WriteLine("subHandleSID:\n\tONEXP_CLEAR subHandleSID\n");
    out.WriteLine("\tIF lSidStarCnt > lSidStarMax\n\t\tONEXP_CLEAR subSidStarHdg\n\t\tONEXP_CLEAR subSIDmsg\n");
    WriteCruiseEvent(run);
    out.WriteLine("\t\tGOSUB subSTAR\n\t\tRETURN\n\tENDIF\n");
    out.Printf(kAltitudeWarnings, "WAIT MESSAGE");
    out.WriteLine(
        "\tlSidStarCnt\t=\tlSidStarCnt+1\n\tONEXP_CLEAR subHandleSID\n\n"
        "\tIF lSidStarCnt > lSidStarMax\n\t\tONEXP_CLEAR subSIDmsg\n\t\tONEXP_CLEAR subSidStarHdg\n");
    WriteCruiseEvent(run);
    out.WriteLine("\t\tGOSUB subSTAR\n\t\tRETURN\n\tENDIF\n");
    WritePointChain(run, run.route.MaxProcedurePoints(), [] {});
    out.WriteLine(kSidReachedTakeoff);
    out.Printf(kAltitudeBlock, "");
    out.WriteLine(kHeadingToPoint);
    out.WriteLine("\tONEXP_CLEAR subSIDmsg\n\tGOSUB subSIDmsg\n");
    out.Printf(kCrossing, "subHandleSID", " )<");
    out.WriteLine("\tONEXP_CLEAR subSidStarHdg\n\tGOSUB subSidStarHdg\n");
    out.WriteLine("RETURN\n");
}

void WriteStarSegments(GenerationRun& run) {
    SourceWriter& out = run.out;
    size_t airports = run.airportLines.size();
    ChainWriter without(out);
    for (size_t p = 0; p < airports; ++p) {
        const AirportSection& section = run.route.Section(p + 1);
        if (!section.points.empty() || !section.extraPoints.empty()) continue;
        without.Branch(platform::Format("iAirportCount = %zu\n", p + 2));
        WriteApproachEvent(run, "dAirpLandLat, dAirpLandLon", "subLANDPHASE_1");
        out.WriteLine("\t\tRETURN\t'No STAR here\n");
    }
    without.Close();
    ChainWriter with(out);
    for (size_t p = 0; p < airports; ++p) {
        const AirportSection& section = run.route.Section(p + 1);
        if (section.points.empty() && section.extraPoints.empty()) continue;
        with.Branch(platform::Format("iAirportCount = %zu'Airport count already changed\n", p + 2),
                    platform::Format("iAirportCount = %zu\n", p + 2));
        out.Printf("\t\tlSidStarMax\t= %zu\n\t\tlSidStarCnt\t= 0\n",
                   section.points.size() + section.extraPoints.size());
        out.WriteLine("\t\tONEXP_CLEAR subLANDPHASE_1\n");
        // The extra approach points keep the altitude of the procedure's first point.
        int extraAltitude = section.points.empty() ? 0 : section.points.front().altitudeMax;
        size_t i = 1;
        for (const ExtraPoint& extra : section.extraPoints) {
            out.Printf("\t\tnSidStarAltMax_%02zu = %d\n\t\tnSidStarAltMin_%02zu = 0\n", i, extraAltitude, i);
            out.Printf("\t\tlSidStarLat_%02zu = %f\n\t\tlSidStarLon_%02zu = %f\n", i, extra.latitude, i,
                       extra.longitude);
            ++i;
        }
        for (const ProcedurePoint& point : section.points) WriteProcedurePoint(out, i++, point);
    }
    with.Close();
}

void WriteSubHandleStar(GenerationRun& run) {
    SourceWriter& out = run.out;
    out.WriteLine("subHandleSTAR:\n");
    out.Printf(kAltitudeWarnings, "WAIT 2");
    out.WriteLine("\tlSidStarCnt\t=\tlSidStarCnt+1\n\tONEXP_CLEAR subHandleSTAR\n\n");
    out.WriteLine("\tONEXP_CLEAR subSidStarHdg\n");
    WritePointChain(run, run.route.MaxStarPoints(),
                    [&] { WriteApproachEvent(run, "lSidStarLat, lSidStarLon", "subLANDPHASE_1_STAR"); });
    out.WriteLine(
        "\tIF FIX_TO_FIX_DISTANCE( lSidStarLat, lSidStarLon, dAirpLandLat, dAirpLandLon) < 1.5\n"
        "\t\tONEXP_CLEAR subSidStarHdg\n\tENDIF\n");
    out.Printf(kAltitudeBlock, " AND AIR_DISTANCE( dAirpLandLat, dAirpLandLon) > 5");
    out.WriteLine(kHeadingToPoint);
    out.WriteLine("\tIF lSidStarCnt = lSidStarMax && AIR_DISTANCE( dAirpLandLat, dAirpLandLon) > 10\n");
    out.Printf("\t\tONEXP_TRUE AIR_DISTANCE( dAirpLandLat, dAirpLandLon) < %s GOSUB subLANDPHASE_3\n",
               Range(run, "10", "5"));
    out.WriteLine("\t\tONEXP_CLEAR subHandleSTAR\n\t\tONEXP_CLEAR subSTARmsg\n\t\tGOSUB subSTARmsg\n\t\tRETURN\n");
    out.WriteLine(
        "\tELSEIF lSidStarCnt = lSidStarMax\n"
        "\t\tONEXP_TRUE AIR_DISTANCE( dAirpLandLat, dAirpLandLon) < 5 GOSUB subLANDPHASE_4\n"
        "\t\tONEXP_CLEAR subHandleSTAR\n\t\tONEXP_CLEAR subSTARmsg\n\t\tGOSUB subSTARmsg\n\t\tRETURN\n\tENDIF\n");
    out.WriteLine("\tONEXP_CLEAR subSTARmsg\n\tIF lSidStarCnt > 1\n\t\tGOSUB subSTARmsg\n\tENDIF\n");
    out.Printf(kCrossing, "subHandleSTAR", ") <");
    out.WriteLine("RETURN\n");
}

}  // namespace

void WriteSubSidStarHdg(GenerationRun& run) {
    run.out.WriteBlankLine();
    run.out.WriteRule();
    run.out.WriteLine("'\tSID/STAR Hdg\n'\tThis will auto correct the autopilot with no messages\n'\tNB: N/A\n'\t~~\n");
    run.out.WriteRule();
    run.out.WriteLine(kSidStarHdg);
}

void WriteSubSid(GenerationRun& run) {
    SourceWriter& out = run.out;
    WriteProcedureBanner(out, "SID", "'\tNB:Clears the take off and landing functions for the time been.\n");
    out.WriteLine("subSID:\n'\tClear values\n\tlSidStarMax\t=-1\n");
    WriteSidSegments(run);
    out.WriteLine(kSidLeadIn);
    WriteSubHandleSid(run);
    out.WriteLine(kSidMsg);
    WriteCruiseEvent(run);
    out.WriteLine(
        "\t\tRETURN\n\tENDIF\n\tONEXP_TRUE AIR_DISTANCE( lSidStarLat, lSidStarLon) > 30 GOSUB subSIDmsg\nRETURN\n");
}

void WriteSubStar(GenerationRun& run) {
    SourceWriter& out = run.out;
    WriteProcedureBanner(out, "STAR", "'\tNB:Clears the take off and landing functions at the time been.\n");
    out.WriteLine("subSTAR:\n'\tClear values\n\tlSidStarMax\t=-1\n");
    WriteStarSegments(run);
    out.WriteLine("\tGOSUB subHandleSTAR\nRETURN\n");
    WriteSubHandleStar(run);
    out.WriteLine(kStarMsg);
    out.WriteLine(kStarLandingPhase1);
}

}  // namespace textorin
