// Take-off, the four landing phases with subHandleILS, and subLanded.
#include <string>

#include "../sections.h"
#include "chain_writer.h"
#include "leg_numbers.h"
#include "platform/text.h"

namespace textorin {
namespace {

constexpr const char* kTakeOffClimb =
    "\tiHdg_Time = ELAPSED_TIME + 15\n\tiAlt_Time = ELAPSED_TIME + 15\n"
    "\t' We must make sure that we are above the ground\n\t' (we must take into account airports below sea level).\n"
    "\tiAlt_Keep = 5000\n\tWHILE iAlt_Keep < GROUND_ALTITUDE + 5000 AND GROUND_ALTITUDE < 50000\n"
    "\t\tiAlt_Keep = iAlt_Keep+500\n\tENDWHILE\n\tiAlt_Tol = 150\n\tAUTOPILOT_ALTITUDE\t= iAlt_Keep\n"
    "\tAUTOPILOT_HEADING \t= dAirpTakeOffHdg\n\tiHdg_Keep = dAirpTakeOffHdg\n\n"
    "\t'\tCheck the altitude\n"
    "\tONEXP_TRUE (ELAPSED_TIME > iAlt_Time AND !INRANGE(PLANE_ALT, iAlt_Keep -  iAlt_Tol, iAlt_Keep+ iAlt_Tol )) "
    "GOSUB "
    "subALT_MSG\n\n"
    "'\tCheck the Heading\n"
    "\tONEXP_TRUE (ELAPSED_TIME > iHdg_Time AND !INRANGE360(PLANE_HEADING, iHdg_Keep - 10, iHdg_Keep + 10) ) GOSUB "
    "subHDG_MSG\n"
    "\n'\tFlight checks\n";

constexpr const char* kHeadingAlongRadial =
    "\tiHdg_Keep = RADIAL( dAirpLandLat, dAirpLandLon)\n\tiHdg_Keep = iHdg_Keep+ 180\n"
    "\tIF iHdg_Keep > 360\n\t\tiHdg_Keep = iHdg_Keep - 360\n\tENDIF\n";

constexpr const char* kHeadingEvent =
    "\tONEXP_TRUE (ELAPSED_TIME > iHdg_Time AND !INRANGE360(PLANE_HEADING, iHdg_Keep - iHdg_Tol, iHdg_Keep + iHdg_Tol) "
    ") "
    "GOSUB subHDG_MSG\n";

constexpr const char* kAltitudeEvent =
    "ONEXP_TRUE (ELAPSED_TIME > iAlt_Time AND !INRANGE(PLANE_ALT, iAlt_Keep - iAlt_Tol, iAlt_Keep + iAlt_Tol)) GOSUB "
    "subALT_MSG\n";

constexpr const char* kPhase1Start =
    "\tONEXP_CLEAR subHDG_MSGDirect\n\tONEXP_CLEAR subCruiseAlt\n\tONEXP_CLEAR subLANDPHASE_1\n"
    "\tiAlt_Time = ELAPSED_TIME + 15\n\t' Change this value if you want a diferent altitude\n"
    "\t' We must make sure that we are above the ground\n\tiAlt_Keep = 6000\n"
    "\tWHILE iAlt_Keep < GROUND_ALTITUDE + 6000 AND GROUND_ALTITUDE < 100000\n\t\tiAlt_Keep = iAlt_Keep+500\n"
    "\tENDWHILE\n\tiAlt_Tol  = 300\n\tiLandSequence = 1";

constexpr const char* kPhase1Altitude =
    "\tIF PLANE_ALT > iAlt_Keep\n\t\tPRINT \"Descend and maintain \", iAlt_Keep\n\tELSE\n"
    "\t\tPRINT \"Climb and maintain \", iAlt_Keep\n\tENDIF\n\tONEXP_CLEAR subALT_MSG\n";

constexpr const char* kPhase2Holding =
    "'\tHolding\n\tIF nHoldingPos > 0\n\t\tPRINT \"ATC: Holing Pos No...\", nHoldingPos\n\t\tWAIT MESSAGE\n"
    "\t\t' Stop the VOR_1\n\t\tONEXP_CLEAR subHandleVor1\n\t\tGOSUB subHoldingAlt\n\t\tGOSUB subHolding\n"
    "\t\tRETURN\n\tENDIF\n";

constexpr const char* kPhase2Descent =
    "\tIF iLandSequence != 5\n\t\tiAlt_Time = ELAPSED_TIME + 15\n\t\t' Change this value if you want a diferent "
    "altitude\n"
    "\t\t' We must make sure that we are above the ground\n\t\tiAlt_Keep = 3000\n"
    "\t\tWHILE iAlt_Keep < GROUND_ALTITUDE + 3000 AND GROUND_ALTITUDE < 100000\n\t\t\tiAlt_Keep = iAlt_Keep+500\n"
    "\t\tENDWHILE\n\t\tiAlt_Tol  = 100\n\n"
    "\t\tIF PLANE_ALT > iAlt_Keep\n\t\t\tPRINT \"Descend and maintain \", iAlt_Keep\n\t\t\tWAIT 2\n\t\tELSE\n"
    "\t\t\tPRINT \"Climb and maintain \", iAlt_Keep\n\t\t\tWAIT 2\n\t\tENDIF\n\t\tONEXP_CLEAR subALT_MSG\n"
    "\t\tONEXP_TRUE (ELAPSED_TIME > iAlt_Time AND !INRANGE(PLANE_ALT, iAlt_Keep - iAlt_Tol, iAlt_Keep + iAlt_Tol)) "
    "GOSUB "
    "subALT_MSG\n\t\tGOSUB subHandleILS\n\tENDIF\n";

constexpr const char* kPhase2Outbound =
    "\tiLandSequence = 2\n"
    "\tiHdg_Keep = iHdg_Keep+ 180\n\tIF iHdg_Keep > 360\n\t\tiHdg_Keep = iHdg_Keep - 360\n\tENDIF\n"
    "\tPRINT \"Turn Heading - \",INT(iHdg_Keep) \n\tiHdg_Time = ELAPSED_TIME + 15\n\tAUTOPILOT_ALTITUDE = iAlt_Keep\n"
    "\tAUTOPILOT_HEADING = iHdg_Keep\n";

constexpr const char* kLongIlsBranch =
    "\t\tiHdg_Keep = dAirpHdg_%03zu\n\t\t' Stop the other VOR_1\n\t\t' %s ILS\n\t\tONEXP_CLEAR subHandleVor1\n"
    "\t\tVOR_1_OBS = dAirpIlsObs_%03zu\n\t\tNAV1_FREQ = dAirpIlsFreq_%03zu\n"
    "\t\tPRINT \"ILS for approach set to \", NAV1_FREQ\n\t\tWAIT 2\n";

constexpr const char* kTwoAirportIls =
    "\n' %s ILS\n\tGPSNAV = FALSE\t' Show the nav_1\n\tVOR_1_OBS = dAirpIlsObs_002\n\tNAV1_FREQ = dAirpIlsFreq_002\n"
    "\tAUTOPILOT_NAV_HOLD = TRUE\n\t' Stop the other VOR_1\n\tONEXP_CLEAR subHandleVor1\n"
    "\tPRINT \"ILS for approach set to \", NAV1_FREQ\n\tWAIT 2\n";

constexpr const char* kPhase3Start =
    "subLANDPHASE_3:\n\tONEXP_CLEAR subLANDPHASE_3\n\tONEXP_CLEAR subHDG_MSG\t\t'No more Heading message\n"
    "\tONEXP_CLEAR subALT_MSG\t\t'No more altitude message\n\tiLandSequence = 3\t\t'Final\n"
    "'\n' We must handle the pilot missing the airport\n'\n";

constexpr const char* kPhase3Intercept =
    "\t' Intercept\n\tiHdg_Keep = RADIAL( dAirpLandLat, dAirpLandLon)+ 180\n"
    "\tIF PLANE_LAT < dAirpLandLat AND PLANE_LON < dAirpLandLon\n\t\tiHdg_Keep = iHdg_Keep+10\n"
    "\tELSEIF PLANE_LAT < dAirpLandLat AND PLANE_LON > dAirpLandLon\n\t\tiHdg_Keep = iHdg_Keep-10\n"
    "\tELSEIF PLANE_LAT > dAirpLandLat AND PLANE_LON > dAirpLandLon\n\t\tiHdg_Keep = iHdg_Keep+10\n"
    "\tELSE\n\t\tiHdg_Keep = iHdg_Keep-10\n\tENDIF\n"
    "\tWHILE iHdg_Keep\t> 360\n\t\tiHdg_Keep= iHdg_Keep -360\n\tENDWHILE\n\n"
    "\tPRINT \"Turn Heading - \",INT(iHdg_Keep) \n\tAUTOPILOT_HEADING = iHdg_Keep\n\tWAIT 2\n";

constexpr const char* kPhase4Start =
    "subLANDPHASE_4:\n\tONEXP_CLEAR subLANDPHASE_4\n\tiLandSequence = 4\t\t'Final\n"
    "'\n' We must handle the pilot missing the airport\n'\n";

constexpr const char* kLandedStart =
    "subLanded:\n\n"
    "\tIF iAirportCount >= iAirportMax\n\t\tPRINT \"Please leave using the first available exit\"\n\t\tWAIT MESSAGE\n"
    "\t'\tWait 5 seconds\n\t\tWAIT 5\n\t'\tBye\n\t\tEND\n\t\tRETURN\n\tENDIF\n\n"
    "\tiLandSequence = 0\n\n'\tSet all the new values\n";

constexpr const char* kSegmentValues =
    "\t\tdAirpTakeOffHdg\t = dAirpHdg_%03zu\n\t\tdAirpTakeoffLat\t = dAirpLat_%03zu\n\t\tdAirpTakeoffLon\t = "
    "dAirpLon_%03zu\n"
    "\t'\tLanding values\n\t\tdAirpLandLat\t = dAirpLat_%03zu\n\t\tdAirpLandLon\t = dAirpLon_%03zu\n"
    "\t\tdAirpLandHdg\t = dAirpHdg_%03zu\n\t\tdAirpLandFreq\t = dAirpAtis_%03zu\n";

constexpr const char* kSegmentHolding =
    "\t'\tHolding values\n\t\tdHoldLat\t\t = dHoldLat_%1$02zu\n\t\tdHoldLon\t\t = dHoldLon_%1$02zu\n"
    "\t\tnHoldingAlt\t\t = nHoldingAlt_%1$02zu\n\t\tnHoldingLatMax\t\t = nHoldingLatMax_%1$02zu\n"
    "\t\tnHoldingLonMax\t\t = nHoldingLonMax_%1$02zu\n\t\tnHoldingLatMin\t\t = nHoldingLatMin_%1$02zu\n"
    "\t\tnHoldingLonMin\t\t = nHoldingLonMin_%1$02zu\n";

constexpr const char* kNextHolding =
    "\tnHoldingPos = INT(RANDOM * 5) +1\n"
    "\tIF nHoldingLatMax = nHoldingLatMin AND nHoldingLatMax = -1\n\t\tnHoldingPos = 0\t'No holding at this airport\n"
    "\tENDIF\n";

constexpr const char* kLastLanding =
    "\tPRINT \"Please leave using the first available exit\"\n\tWAIT MESSAGE\n'\tWait 5 seconds\n\tWAIT "
    "5\n'\tBye\n\tEND\n";

// One trigger distance in its far and near forms.
const char* Range(const GenerationRun& run, const char* far, const char* near) { return run.FarRange() ? far : near; }

void WriteLiteralBanner(SourceWriter& out, const char* middle) {
    out.WriteRule();
    out.WriteLine(middle);
    out.WriteRule();
}

void WriteMissedApproach(GenerationRun& run) {
    run.out.Printf("\tONEXP_TRUE AIR_DISTANCE( dAirpLandLat, dAirpLandLon) > %s GOSUB subLANDPHASE_1\n",
                   Range(run, "40", "20"));
}

// The final heading of the landing airport: one chain over the landing airports, or
// airport 2's value alone on a route of two.
void WriteLandingHeadingChain(GenerationRun& run) {
    size_t airports = run.airportLines.size();
    if (airports == 2) {
        run.out.WriteLine("\tiHdg_Keep = dAirpHdg_002\n");
        return;
    }
    ChainWriter chain(run.out);
    for (size_t n = 2; n <= airports; ++n) {
        chain.Branch(platform::Format("iAirportCount = %zu\n", n));
        run.out.Printf("\t\tiHdg_Keep = dAirpHdg_%03zu\n", n);
    }
    chain.Close();
}

void WriteSubHandleIls(GenerationRun& run) {
    SourceWriter& out = run.out;
    out.WriteLine("subHandleILS:\n");
    out.WriteBlankLine();
    out.WriteLine("\tONEXP_CLEAR subHandleILS\n");
    size_t airports = run.airportLines.size();
    if (airports == 2) {
        out.WriteLine("\tiHdg_Keep = dAirpHdg_002\n");
        if (!run.route.Section(2).ilsLine.empty())
            out.Printf(kTwoAirportIls, ReadAirportFields(run.airportLines[1]).name.c_str());
    } else {
        ChainWriter chain(out);
        for (size_t n = 2; n <= airports; ++n) {
            chain.Branch(platform::Format("iAirportCount = %zu\n", n));
            if (run.route.Section(n).ilsLine.empty())
                out.Printf("\t\tiHdg_Keep = dAirpHdg_%03zu\n", n);
            else
                out.Printf(kLongIlsBranch, n, ReadAirportFields(run.airportLines[n - 1]).name.c_str(), n, n);
        }
        chain.Close();
    }
    out.WriteBlankLine();
    out.WriteLine("RETURN\n");
}

void WriteSegmentBranches(GenerationRun& run) {
    SourceWriter& out = run.out;
    ChainWriter chain(out);
    bool holding = run.IsOptionSet(keys::kHolding);
    for (size_t j = 1; j + 3 <= run.airportLines.size(); j += 2) {
        chain.Branch(platform::Format("iAirportCount = %zu\n", j + 1));
        size_t from = j + 2, to = j + 3;
        out.Printf(kSegmentValues, from, from, from, to, to, to, to);
        NavaidCounts first = FirstNavaidNumbers(run, from);
        NavaidCounts onLeg = run.route.CountLegNavaids(from);
        // Only the kinds the new segment uses; the handlers then start with its first.
        if (onLeg.vor1 > 0) out.Printf("\t\tiVor1count = %d\n", first.vor1);
        if (onLeg.vor2 > 0) out.Printf("\t\tiVor2count = %d\n", first.vor2);
        if (onLeg.ndb > 0) out.Printf("\t\tiNdbCount  = %d\n", first.ndb);
        if (holding) out.Printf(kSegmentHolding, j + 1);
    }
    chain.Close();
}

}  // namespace

void WriteSubTakeOff(GenerationRun& run) {
    SourceWriter& out = run.out;
    out.WriteBlankLine();
    out.WriteBanner("Take off Procedure");
    out.WriteLine("subTakeOff:\n");
    out.WriteLine("\t' Clear all events\n\tONEXP_CLEAR\n");
    out.WriteBlankLine();
    out.WriteLine(kTakeOffClimb);
    if (run.IsOptionSet(keys::kDefaultLanding)) {
        out.Printf("\tONEXP_TRUE AIR_DISTANCE( dAirpTakeoffLat, dAirpTakeoffLon) > %s GOSUB subCruiseAlt\n",
                   Range(run, "6", "3"));
        out.Printf(
            "\t\tONEXP_TRUE AIR_DISTANCE( dAirpLandLat, dAirpLandLon) <= %s AND AIR_DISTANCE( dAirpTakeoffLat, "
            "dAirpTakeoffLon) > %s GOSUB subLANDPHASE_1\n",
            Range(run, "60", "30"), Range(run, "5", "2.5"));
    } else {
        out.WriteLine("\tGOSUB subSID\n");
    }
    out.WriteLine("\tPRINT \"Take off runway \", INT(PLANE_HEADING), \" Climb to \", INT(iAlt_Keep)\n\tWAIT 5\n");
    out.WriteLine("RETURN\n");
}

void WriteSubLandPhase1(GenerationRun& run) {
    SourceWriter& out = run.out;
    out.WriteBlankLine();
    WriteLiteralBanner(out,
                       "'\tLanding 1rst phase\n"
                       "'\tThe system will inform the pilot to descent( or climb) do 6000 feet and hold,\n"
                       "'\tA new heading will be calculated to ensure that the user flys direct to the airport \n");
    out.WriteLine("subLANDPHASE_1:\n");
    out.WriteBlankLine();
    out.WriteLine(kPhase1Start);
    out.WriteBlankLine();
    out.WriteLine(kPhase1Altitude);
    out.WriteLine(std::string("\t") + kAltitudeEvent);
    out.WriteBlankLine();
    out.WriteLine("'\tTurn torward the airport\n");
    out.WriteLine(kHeadingAlongRadial);
    out.WriteBlankLine();
    out.WriteLine("\tiHdg_Tol = 5\n\tiHdg_Time = ELAPSED_TIME + 15\n\tAUTOPILOT_ALTITUDE = iAlt_Keep\n");
    out.WriteBlankLine();
    out.WriteLine("'\tHeading\n\tAUTOPILOT_HEADING = iHdg_Keep\n\tONEXP_CLEAR subHDG_MSG\n");
    out.WriteLine(kHeadingEvent);
    out.WriteLine("'\tSet the range for next airport\n");
    out.Printf("\tONEXP_TRUE AIR_DISTANCE( dAirpLandLat, dAirpLandLon) <= %s GOSUB subLANDPHASE_2\n",
               Range(run, "10", "5"));
    out.WriteBlankLine();
    out.WriteLine("RETURN\n");
}

void WriteSubLandPhase2(GenerationRun& run) {
    SourceWriter& out = run.out;
    out.WriteBlankLine();
    WriteLiteralBanner(out,
                       "'\tLanding 2nd phase\n"
                       "'\tThe system will inform the pilot to descent( or climb) do 3000 feet and hold,\n"
                       "'\tA new heading will be calculated to ensure that the user flys direct to the airport \n");
    out.WriteLine("subLANDPHASE_2:\n");
    out.WriteBlankLine();
    out.WriteLine("\tONEXP_CLEAR subLANDPHASE_2\n");
    out.WriteBlankLine();
    if (run.IsOptionSet(keys::kHolding)) {
        out.WriteLine(kPhase2Holding);
        out.WriteBlankLine();
    }
    out.WriteLine(kPhase2Descent);
    out.WriteLine(kPhase2Outbound);
    out.WriteLine(kHeadingEvent);
    out.Printf("\tONEXP_TRUE AIR_DISTANCE( dAirpLandLat, dAirpLandLon) > %s GOSUB subLANDPHASE_3\n",
               Range(run, "20", "10"));
    out.WriteBlankLine();
    out.WriteLine("RETURN\n");
    out.WriteBlankLine();
    WriteSubHandleIls(run);
}

void WriteSubLandPhase3(GenerationRun& run) {
    SourceWriter& out = run.out;
    out.WriteBlankLine();
    WriteLiteralBanner(out,
                       "'\tLanding 3rd phase\n'\tWe are in final (almost) and the pilot is lined up for landing\n"
                       "'\tPoints have been added to handle missed landings \n");
    out.WriteLine(kPhase3Start);
    WriteMissedApproach(run);
    out.WriteLine(kPhase3Intercept);
    out.Printf("\tONEXP_TRUE AIR_DISTANCE( dAirpLandLat, dAirpLandLon) <= %s GOSUB subLANDPHASE_4\n",
               Range(run, "2", "1"));
    out.WriteBlankLine();
    out.WriteLine("RETURN\n");
}

void WriteSubLandPhase4(GenerationRun& run) {
    SourceWriter& out = run.out;
    out.WriteBlankLine();
    WriteLiteralBanner(out,
                       "'\tLanding 4th phase\n'\tWe are in final and the pilot is lined up for landing\n"
                       "'\tPoints have been added to handle missed landings \n");
    out.WriteLine(kPhase4Start);
    WriteMissedApproach(run);
    WriteLandingHeadingChain(run);
    out.WriteLine("\tPRINT \"Final:Turn Heading - \",INT(iHdg_Keep) \n\tWAIT 2\n");
    out.WriteBlankLine();
    out.WriteLine("\tONEXP_TRUE ON_GROUND GOSUB subLanded\n");
    out.WriteBlankLine();
    out.WriteLine("RETURN\n");
}

void WriteSubLanded(GenerationRun& run) {
    SourceWriter& out = run.out;
    out.WriteBlankLine();
    WriteLiteralBanner(out,
                       "'\tWe have landed!\n'\tRequest pilot to move off the runway or arrange for next segment\n"
                       "'\tWe must Assume the pilot might touch and go\n");
    out.WriteLine(kLandedStart);
    if (run.airportLines.size() >= 3) {
        WriteSegmentBranches(run);
        out.WriteBlankLine();
        if (run.IsOptionSet(keys::kHolding)) out.WriteLine(kNextHolding);
        out.WriteLine("\t' Landing airport is even number\n\tiAirportCount = iAirportCount+2\n\tGOSUB subRUNSelVal\n");
    } else {
        out.WriteLine(kLastLanding);
    }
    out.WriteBlankLine();
    out.WriteLine("RETURN\n");
}

}  // namespace textorin
