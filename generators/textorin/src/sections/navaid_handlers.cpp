// subHandleVor1, subHandleVor2 and subHandleNDB: tune each navaid of the route in
// turn and move on when the plane crosses the current one.
#include <string>
#include <vector>

#include "../quote_safe.h"
#include "../sections.h"
#include "chain_writer.h"
#include "platform/text.h"

namespace textorin {
namespace {

constexpr const char* kVor1Crossing =
    "\tIF PLANE_LAT < dVor1_Lat_Cur\n\t\tONEXP_TRUE PLANE_LAT > dVor1_Lat_Cur GOSUB subHandleVor1\n"
    "\tELSEIF  PLANE_LAT > dVor1_Lat_Cur\n\t\tONEXP_TRUE PLANE_LAT < dVor1_Lat_Cur GOSUB subHandleVor1\n\tENDIF\n\n"
    "\tIF PLANE_LON > dVor1_Lon_Cur\n\t\tONEXP_TRUE PLANE_LON < dVor1_Lon_Cur GOSUB subHandleVor1\n"
    "\tELSEIF  PLANE_LON < dVor1_Lon_Cur\n\t\tONEXP_TRUE PLANE_LON > dVor1_Lon_Cur GOSUB subHandleVor1\n\tENDIF\n\n"
    "\tIF iLandSequence = 0\t\t'No point in changing if we are landing\n\t\tAUTOPILOT_HEADING = VOR_1_OBS\n\tENDIF\n"
    "\tiHdg_Time = ELAPSED_TIME+15\n\tiHdg_Tol\t=\t15\t' \tBig tolerance\n";

constexpr const char* kVor1Heading =
    "\tONEXP_CLEAR subHDG_MSG\n\tIF iLandSequence = 0\n\t\tIF iHdg_Keep > 360\n\t\t\tiHdg_Keep = iHdg_Keep -360\n"
    "\t\tENDIF\n\t\tPRINT \"Turn heading \", iHdg_Keep\n\t\tWAIT 2\n"
    "\t\tONEXP_TRUE (ELAPSED_TIME > iHdg_Time AND !INRANGE360(PLANE_HEADING, iHdg_Keep - iHdg_Tol, iHdg_Keep + "
    "iHdg_Tol) ) GOSUB subHDG_MSG\n\tENDIF\n";

// The crossing block of subHandleVor2 and subHandleNDB: %1$s the current latitude,
// %2$s the longitude, %3$s the subroutine.
constexpr const char* kCrossing =
    "\tONEXP_CLEAR %3$s\n"
    "\tIF PLANE_LAT < %1$s\n\t\tONEXP_TRUE PLANE_LAT > %1$s GOSUB %3$s\n"
    "\tELSEIF  PLANE_LAT > %1$s\n\t\tONEXP_TRUE PLANE_LAT < %1$s GOSUB %3$s\n\tENDIF\n\n"
    "\tIF PLANE_LON > %2$s\n\t\tONEXP_TRUE PLANE_LON < %2$s GOSUB %3$s\n"
    "\tELSEIF  PLANE_LON < %2$s\n\t\tONEXP_TRUE PLANE_LON > %2$s GOSUB %3$s\n\tENDIF\n";

enum class Handler { Vor1, Vor2, Ndb };

struct HandlerText {
    const char* bannerMiddle;
    const char* label;
    const char* eventName;  // as the events name it
    const char* counter;    // in the branch conditions
    const char* counterLower;
    const char* latitude;
    const char* longitude;
};

constexpr HandlerText kVor2Text{"'\tWe will handle all the vor2 here\n",
                                "subHandleVor2",
                                "subHandleVor2",
                                "iVor2Count",
                                "iVor2count",
                                "dVor2_Lat_Cur",
                                "dVor2_Lon_Cur"};
constexpr HandlerText kNdbText{"'\tWe will handle all the NDB here\n",
                               "subHandleNDB",
                               "subHandleNdb",
                               "iNdbCount",
                               "iNdbcount",
                               "dAdf_Lat_Cur",
                               "dAdf_Lon_Cur"};

bool UsesHandler(const RouteLegInfo& leg, Handler handler) {
    switch (handler) {
        case Handler::Vor1:
            return leg.type == "VOR" && leg.vor1;
        case Handler::Vor2:
            return leg.type == "VOR" && !leg.vor1;
        case Handler::Ndb:
            return leg.type == "NDB";
    }
    return false;
}

// Navaid numbers (from 1) of the navaids a handler tunes, in route order.
std::vector<size_t> NavaidsOf(const GenerationRun& run, Handler handler) {
    std::vector<size_t> numbers;
    for (size_t n = 1; n <= run.navaidLines.size(); ++n)
        if (UsesHandler(run.route.Leg(n), handler)) numbers.push_back(n);
    return numbers;
}

void WriteHandlerStart(SourceWriter& out, const char* bannerMiddle, const char* label, const char* eventName) {
    out.WriteBlankLine();
    out.WriteRule();
    out.WriteLine(bannerMiddle);
    out.WriteLine("'\tWe will use the plane position to decide when we must move to the next segment.\n");
    out.WriteRule();
    out.Printf("%s:\n", label);
    out.WriteBlankLine();
    out.Printf("\tONEXP_CLEAR %s\n", eventName);
}

void WriteTuningBranch(GenerationRun& run, Handler handler, size_t n) {
    std::string ident = QuoteSafe(ReadNavaidFields(run.navaidLines[n - 1]).ident);
    SourceWriter& out = run.out;
    switch (handler) {
        case Handler::Vor1:
            out.WriteLine("\t\tPRINT \"Nav1 Set to [" + ident + "]\"\n\t\tWAIT 2\n");
            out.WriteLine("\t\tIF iLandSequence = 0\t'Only change if we are not landing\n");
            out.Printf("\t\t\tNAV1_FREQ = dNavFreq_%03zu\n\t\t\tVOR_1_OBS = dVorObs_%03zu\n\t\tENDIF\n", n, n);
            out.Printf("\t\tdVor1_Lat_Cur = dNavLat_%03zu\n\t\tdVor1_Lon_Cur = dNavLon_%03zu\n", n, n);
            break;
        case Handler::Vor2:
            out.WriteLine("\t\tPRINT \"Nav2 Set to [" + ident + "]\"\n\t\tWAIT 2\n");
            out.Printf("\t\tNAV2_FREQ = dNavFreq_%03zu\n\t\tVOR_2_OBS = dVorObs_%03zu\n", n, n);
            out.Printf("\t\tdVor2_Lat_Cur = dNavLat_%03zu\n\t\tdVor2_Lon_Cur = dNavLon_%03zu\n", n, n);
            break;
        case Handler::Ndb:
            out.WriteLine("\t\tPRINT \"NDB Set to [" + ident + "]\"\n\t\tWAIT 2\n");
            out.Printf("\t\tADF_FREQ = dNavFreq_%03zu\n", n);
            out.Printf("\t\tdAdf_Lat_Cur = dNavLat_%03zu\n\t\tdAdf_Lon_Cur = dNavLon_%03zu\n", n, n);
            break;
    }
}

void WriteTuningChain(GenerationRun& run, Handler handler, const std::vector<size_t>& navaids, const char* counter) {
    ChainWriter chain(run.out);
    for (size_t k = 1; k <= navaids.size(); ++k) {
        chain.Branch(platform::Format("%s = %zu\n", counter, k));
        WriteTuningBranch(run, handler, navaids[k - 1]);
    }
    chain.Close();
    run.out.WriteBlankLine();
}

// A FROM leg turns the heading round until the plane nears the next TO VOR.
void WriteToFromChain(GenerationRun& run, const std::vector<size_t>& vor1Navaids) {
    SourceWriter& out = run.out;
    bool written = false;
    for (size_t k = 1; k <= vor1Navaids.size(); ++k) {
        if (run.route.Leg(vor1Navaids[k - 1]).to) continue;
        size_t nextTo = 0;
        for (size_t j = k; j < vor1Navaids.size() && nextTo == 0; ++j)
            if (run.route.Leg(vor1Navaids[j]).to) nextTo = vor1Navaids[j];
        out.WriteLine(written ? "\tELSEIF " : "'\t We must handle the to and from here\n\tIF ");
        written = true;
        out.Printf("iVor1Count = %zu AND iLandSequence = 0\n", k);
        out.WriteLine("\t\tAUTOPILOT_HEADING = AUTOPILOT_HEADING + 180\n\t\tiHdg_Keep\t=\tVOR_1_OBS +180\n");
        out.WriteLine("\t\tONEXP_CLEAR subHandleVor1\n");
        if (nextTo != 0)
            out.Printf(
                "\t\tONEXP_TRUE AIR_DISTANCE( dVor1_Lat_Cur, dVor1_Lon_Cur) > 100 OR AIR_DISTANCE( dNavLat_%03zu, "
                "dNavLon_%03zu) < 100 GOSUB subHandleVor1\n",
                nextTo, nextTo);
        else
            out.WriteLine("\t\tONEXP_TRUE AIR_DISTANCE( dVor1_Lat_Cur, dVor1_Lon_Cur) > 100 GOSUB subHandleVor1\n");
    }
    if (written)
        out.WriteLine("\tELSE\n'\tOK So this VOR is a TO VOR\n\t\tiHdg_Keep\t=\tVOR_1_OBS\n\tENDIF\n");
    else
        out.WriteLine("\tiHdg_Keep\t=\tVOR_1_OBS\n");
    out.WriteBlankLine();
}

void WriteCounterLines(SourceWriter& out, const char* counter, const char* counterLower, const char* eventName,
                       size_t count) {
    out.Printf("\t%s = %s+1\n", counter, counter);
    out.Printf("\tIF %s > %zu\n\t\tONEXP_CLEAR %s\n\tENDIF\n", counterLower, count, eventName);
    out.WriteLine("RETURN\n");
}

void WriteSubHandleVor1(GenerationRun& run) {
    std::vector<size_t> navaids = NavaidsOf(run, Handler::Vor1);
    WriteHandlerStart(run.out, "'\tWe will handle all the vor1 here\n", "subHandleVor1", "subHandleVor1");
    WriteTuningChain(run, Handler::Vor1, navaids, "iVor1Count");
    run.out.WriteLine(kVor1Crossing);
    run.out.WriteBlankLine();
    WriteToFromChain(run, navaids);
    run.out.WriteLine(kVor1Heading);
    run.out.WriteBlankLine();
    WriteCounterLines(run.out, "iVor1Count", "iVor1count", "subHandleVor1", navaids.size());
}

void WriteOtherHandler(GenerationRun& run, Handler handler, const HandlerText& text) {
    std::vector<size_t> navaids = NavaidsOf(run, handler);
    WriteHandlerStart(run.out, text.bannerMiddle, text.label, text.eventName);
    WriteTuningChain(run, handler, navaids, text.counter);
    run.out.Printf(kCrossing, text.latitude, text.longitude, text.eventName);
    run.out.WriteBlankLine();
    WriteCounterLines(run.out, text.counter, text.counterLower, text.eventName, navaids.size());
}

}  // namespace

void WriteNavaidHandlers(GenerationRun& run) {
    WriteSubHandleVor1(run);
    WriteOtherHandler(run, Handler::Vor2, kVor2Text);
    WriteOtherHandler(run, Handler::Ndb, kNdbText);
}

}  // namespace textorin
