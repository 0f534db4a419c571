// Navigation subroutines: plane position, altitude and heading checks, navaid
// numbers per leg, direct course, cruise altitude, COM frequency.
#include <string>

#include "../quote_safe.h"
#include "../sections.h"
#include "chain_writer.h"
#include "leg_numbers.h"
#include "platform/numbers.h"
#include "platform/text.h"

namespace textorin {
namespace {

constexpr const char* kPlanePos =
    "subPlanePos:\n"
    "\tnPlaneLon = PLANE_LON\n\tIF nPlaneLon > 180\n\t\tnPlaneLon = nPlaneLon - 360\n\tELSEIF nPlaneLon < -180\n"
    "\t\tnPlaneLon = nPlaneLon + 360\n\tENDIF\n"
    "\tnPlaneLat = PLANE_LAT\n\tIF nPlaneLat > 90\n\t\tnPlaneLat = nPlaneLat - 180\n\tELSEIF nPlaneLat < -90\n"
    "\t\tnPlaneLat = nPlaneLat + 180\n\tENDIF\t";

constexpr const char* kAltMsgBody =
    "subALT_MSG:\n"
    "\tIF ON_GROUND\n\t\tRETURN\n\tENDIF\n\n"
    "\tIF VELOCITY_Y > 0 AND VELOCITY_Y < 100000 AND PLANE_ALT < iAlt_Keep\n\t\tRETURN\n"
    "\tELSEIF VELOCITY_Y > 100000 AND PLANE_ALT > iAlt_Keep\n\t\tRETURN\n\tENDIF\n"
    "\tPRINT \"Check your altitude (\", INT( iAlt_Keep ), \")\"\n\tiAlt_Time = ELAPSED_TIME + 15\n";

constexpr const char* kHdgMsgBody =
    "\tIF iLandSequence = 1\t\t'To airport\n\t\tPRINT \"ATC:Check your Heading.\",\n"
    "\t\tiHdg_Keep = RADIAL( dAirpLandLat, dAirpLandLon)\n\t\tiHdg_Keep = iHdg_Keep+ 180\n"
    "\t\tIF iHdg_Keep > 360\n\t\t\tiHdg_Keep = iHdg_Keep - 360\n\t\tENDIF\n"
    "\t\tPRINT \"Turn Heading - \",INT(iHdg_Keep) \n\t\tONEXP_CLEAR subHDG_MSG\n"
    "\t\tONEXP_TRUE (ELAPSED_TIME > iHdg_Time AND !INRANGE360(PLANE_HEADING, iHdg_Keep - iHdg_Tol, iHdg_Keep + "
    "iHdg_Tol) ) "
    "GOSUB subHDG_MSG\n"
    "\tELSE\n\t\tPRINT \"Co-pilot:Turn Heading - \",INT(iHdg_Keep) \n\tENDIF\n\tWAIT 2\n\n";

constexpr const char* kNavNumberNote =
    "'\tNote that the airport number is takeoff number+1\n'\tThis is because we count the airport number that we are "
    "going to...\n'\tNot where we are now\n";

constexpr const char* kDirectCourseBranch =
    "\t\tiHdg_Keep = RADIAL( dAirpLandLat, dAirpLandLon)\n\t\tiHdg_Keep = iHdg_Keep+ 180\n"
    "\t\tIF iHdg_Keep > 360\n\t\t\tiHdg_Keep = iHdg_Keep - 360\n\t\tENDIF\n"
    "\t\tPRINT \"ATC: Turn \", INT(iHdg_Keep), \": Cleared direct to [%s]\"\n\t\tWAIT 2\n";

constexpr const char* kDirectCourseEnd =
    "\tONEXP_CLEAR subHDG_MSG\n\tONEXP_CLEAR subHDG_MSGDirect\n\tiHdg_Time = ELAPSED_TIME+45\n\tiHdg_Tol = 5\n"
    "\tAUTOPILOT_HEADING = iHdg_Keep\n"
    "\tONEXP_TRUE (ELAPSED_TIME > iHdg_Time AND !INRANGE360(PLANE_HEADING, iHdg_Keep - iHdg_Tol, iHdg_Keep + iHdg_Tol) "
    ") "
    "GOSUB subHDG_MSGDirect\n";

constexpr const char* kHdgMsgDirect =
    "subHDG_MSGDirect:\n"
    "\tONEXP_CLEAR subHDG_MSGDirect\n\tiHdg_Time = ELAPSED_TIME+45\n'\tWe cannot handle Both headings here\n"
    "\tONEXP_CLEAR subHDG_MSG\n"
    "\tiHdg_Keep = RADIAL( dAirpLandLat, dAirpLandLon)\n\tiHdg_Keep = iHdg_Keep+ 180\n"
    "\tIF iHdg_Keep > 360\n\t\tiHdg_Keep = iHdg_Keep - 360\n\tENDIF\n\tAUTOPILOT_HEADING = iHdg_Keep\n"
    "\tPRINT \"Atc: Turn Heading - \",INT(iHdg_Keep)\n\tWAIT 2\n"
    "\tONEXP_TRUE (ELAPSED_TIME > iHdg_Time AND !INRANGE360(PLANE_HEADING, iHdg_Keep - iHdg_Tol, iHdg_Keep + iHdg_Tol) "
    ") "
    "GOSUB subHDG_MSGDirect\n";

constexpr const char* kCruiseAltEnd =
    "'\tIn case one of the flight is a direct flight\n\tGOSUB subDirectCourse\n"
    "\tIF PLANE_ALT > iAlt_Keep\n\t\tPRINT \"Descend and maintain \", iAlt_Keep\n\t\tWAIT 2\n"
    "\tELSE\n\t\tPRINT \"Climb and maintain \", iAlt_Keep\n\t\tWAIT 2\n\tENDIF\n"
    "\tONEXP_CLEAR subALT_MSG\n\tAUTOPILOT_ALTITUDE = iAlt_Keep\n"
    "\tONEXP_TRUE (ELAPSED_TIME > iAlt_Time AND !INRANGE(PLANE_ALT, iAlt_Keep - iAlt_Tol, iAlt_Keep + iAlt_Tol)) GOSUB "
    "subALT_MSG\n";

constexpr const char* kSetFreqTuning =
    "\tCOM_FREQ = cComFreq\n\n"
    "\tWAIT 2\n\tIF (COM_FREQ = cComFreq)\n\t\tPRINT \"Please set your COM1 to \", cComFreq\n"
    "\tELSE\n\t\tPRINT \"Your COM1 has been set\"\n\tENDIF\n\tWAIT MESSAGE\n";

constexpr const char* kComChange = "subCOMChange:";

// The tolerance kept around the cruise altitude.
const char* CruiseTolerance(int cruiseAltitude) {
    if (cruiseAltitude > 14999) return "1000";
    if (cruiseAltitude > 4999) return "700";
    if (cruiseAltitude > 999) return "500";
    return "200";
}

void WriteOneLiteralBanner(SourceWriter& out, const char* middle) {
    out.WriteRule();
    out.WriteLine(middle);
    out.WriteRule();
}

}  // namespace

void WriteSubPlanePos(GenerationRun& run) {
    WriteOneLiteralBanner(run.out, "'\tPLAN_LAT / PLANE_LON are wrong, this corrects the incorect values:\n");
    run.out.WriteBlankLine();
    run.out.WriteLine(kPlanePos);
    run.out.WriteBlankLine();
    run.out.WriteLine("RETURN\n");
}

void WriteSubAltMsg(GenerationRun& run) {
    run.out.WriteBlankLine();
    WriteOneLiteralBanner(run.out,
                          "'\tAltitude check\n'\tiAlt_Keep and iAlt_Tol are used\n"
                          "'\tiAlt_Time is to ensure the message does not occur over and over\n");
    run.out.WriteBlankLine();
    run.out.WriteLine(kAltMsgBody);
    run.out.WriteBlankLine();
    run.out.WriteLine("RETURN\n");
}

void WriteSubHdgMsg(GenerationRun& run) {
    run.out.WriteBlankLine();
    WriteOneLiteralBanner(run.out,
                          "'\tHeading check using the \n'\tiHdg_Keep and iHdg_Tol are used\n"
                          "'\tiHdg_Time is to ensure the message does not occur over and over\n");
    run.out.WriteBlankLine();
    run.out.WriteLine("subHDG_MSG:\n");
    run.out.WriteBlankLine();
    run.out.WriteLine("\tiHdg_Time = ELAPSED_TIME+15\n");
    run.out.WriteLine(kHdgMsgBody);
    run.out.WriteLine("RETURN\n");
}

void WriteSubNavNumber(GenerationRun& run) {
    SourceWriter& out = run.out;
    out.WriteBlankLine();
    WriteOneLiteralBanner(out,
                          "'\tCheck that the VOR/NDB numbers are correct for the current airport\n"
                          "'\tDo not call this function mid flight as it will reset all the values\n");
    out.WriteBlankLine();
    out.WriteLine("subNavNumber:\n");
    out.WriteBlankLine();
    out.WriteLine(kNavNumberNote);
    ChainWriter chain(out);
    for (size_t leg = 1; leg <= run.airportLines.size(); leg += 2) {
        chain.Branch(platform::Format("iAirportCount = %zu\n", leg + 1));
        NavaidCounts first = FirstNavaidNumbers(run, leg);
        out.Printf("\t\tiVor1Count\t=\t%d\n\t\tiVor2Count\t=\t%d\n\t\tiNdbCount\t=\t%d\n", first.vor1, first.vor2,
                   first.ndb);
    }
    chain.Close();
    out.WriteBlankLine();
    out.WriteLine("RETURN\n");
}

void WriteSubDirectCourse(GenerationRun& run) {
    SourceWriter& out = run.out;
    out.WriteBlankLine();
    WriteOneLiteralBanner(out,
                          "'\tIf there are no navaids between 2 airports then we must tell the pilot where to go\n"
                          "'\tWe do not do anything if we are going off course\n");
    out.WriteBlankLine();
    out.WriteLine("subDirectCourse:\n");
    out.WriteBlankLine();
    ChainWriter chain(out);
    for (size_t leg = 1; leg <= run.airportLines.size(); leg += 2) {
        if (run.route.CountLegNavaids(leg).vor1 != 0) continue;
        chain.Branch(platform::Format("iAirportCount = %zu\n", leg + 1));
        // The leg leads to the next airport; a last airport without one has no name.
        std::string ident = leg < run.airportLines.size() ? ReadAirportFields(run.airportLines[leg]).ident : "";
        out.Printf(kDirectCourseBranch, QuoteSafe(ident).c_str());
        out.WriteLine(kDirectCourseEnd);
    }
    if (!chain.Close()) out.WriteLine("'\t No direct flight\n");
    out.WriteBlankLine();
    out.WriteLine("RETURN\n");
    out.WriteBlankLine();
    WriteOneLiteralBanner(out,
                          "'\tIf we are flying direct then the tower will inform us that we are going in \n"
                          "'\tThe wrong direction\n");
    out.WriteBlankLine();
    out.WriteLine(kHdgMsgDirect);
    out.WriteBlankLine();
    out.WriteLine("RETURN\n");
}

void WriteSubCruiseAlt(GenerationRun& run) {
    SourceWriter& out = run.out;
    out.WriteBlankLine();
    out.WriteBanner("Move to cruising altitude");
    out.WriteLine("subCruiseAlt:\n");
    out.WriteBlankLine();
    // subSidStarHdg exists only where the SID/STAR subroutines are written.
    if (run.HasSidStar()) out.WriteLine("\tONEXP_CLEAR subSidStarHdg\n");
    out.WriteBlankLine();
    out.WriteLine(
        "'\tTune to the next radio when within range\n"
        "\tONEXP_TRUE AIR_DISTANCE( dAirpLandLat, dAirpLandLon ) < 60 GOSUB subSetFreq\n");
    std::string cruise = run.Value(keys::kCruiseAltitude);
    out.WriteLine("'\tSettings for " + run.Value(keys::kPlaneName) + "\n");
    out.WriteLine(
        "\tiAlt_Time = ELAPSED_TIME + 15\n\tONEXP_CLEAR subCruiseAlt\n"
        "\t' Change this value if you want a diferent altitude\n\tiAlt_Keep = " +
        cruise + "\n\tiAlt_Tol  = " + CruiseTolerance(platform::LeadingInt(cruise)) + "\n");
    out.WriteBlankLine();
    bool vorWritten = false, ndbWritten = false;
    for (size_t n = 1; n <= run.navaidLines.size(); ++n) {
        const std::string& type = run.route.Leg(n).type;
        if (type == "VOR" && !vorWritten) {
            out.WriteLine("\t' Handle vor(s)\n\tGOSUB subHandleVor1\n\tGOSUB subHandleVor2\n");
            vorWritten = true;
        } else if (type == "NDB" && !ndbWritten) {
            out.WriteLine("\t' Handle Adf(s)\n\tGOSUB subHandleNDB\n");
            ndbWritten = true;
        }
    }
    out.WriteLine(kCruiseAltEnd);
    out.WriteLine("RETURN\n");
}

void WriteSubSetFreq(GenerationRun& run) {
    SourceWriter& out = run.out;
    out.WriteBlankLine();
    out.WriteBanner("Change the frequencies");
    out.WriteBlankLine();
    out.WriteLine("subSetFreq:\n");
    out.WriteBlankLine();
    out.WriteLine("\tONEXP_CLEAR subSetFreq\n");
    ChainWriter chain(out);
    for (const std::string& line : run.airportLines) {
        AirportFields airport = ReadAirportFields(line);
        double frequency = platform::LeadingDouble(airport.atisFrequency);
        if (!IsAtisFrequency(frequency)) continue;
        chain.Branch(platform::Format("(AIR_DISTANCE( %s, %s) < 60) = TRUE\n", run.Angle(airport.latitude).c_str(),
                                      run.Angle(airport.longitude).c_str()));
        out.Printf("\t\tcComFreq = %f\n\t\t'\t%s\n", frequency, airport.name.c_str());
    }
    if (chain.Written()) {
        out.WriteLine("\tELSE\n\t\tRETURN\n");
        chain.Close();
        out.WriteBlankLine();
        out.WriteLine(kSetFreqTuning);
    } else {
        out.WriteLine("'\tNo ATIS available\n'\tAdd your ATIS values here\n");
    }
    out.WriteBlankLine();
    out.WriteLine("RETURN\n");
}

void WriteSubComChange(GenerationRun& run) {
    WriteOneLiteralBanner(run.out, "'\tStops the sound \n");
    run.out.WriteBlankLine();
    run.out.WriteLine(kComChange);
    run.out.WriteBlankLine();
    run.out.WriteLine("\tPLAY \"\"\n");
    run.out.WriteBlankLine();
    run.out.WriteLine("RETURN\n");
}

}  // namespace textorin
