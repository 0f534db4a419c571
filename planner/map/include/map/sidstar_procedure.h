// A SID or STAR of one airport runway as the SID/STAR tile files keep it: a header of
// key values and up to 49 legs. Legs are decimal degrees, latitude north-positive and
// longitude WEST-positive, as the navigation arithmetic counts them.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

namespace trevalo {

// A record holds at most this many legs (the editor's list and the selection's rows).
inline constexpr int kMaxProcedureLegs = 49;

// Longest texts a procedure keeps; longer ones are cut.
inline constexpr std::size_t kProcedureIdentLength = 10;   // airport, procedure and navaid idents
inline constexpr std::size_t kProcedureWordLength = 30;    // a leg's word
inline constexpr std::size_t kProcedureNameLength = 50;    // names and free texts
inline constexpr std::size_t kRunwayDesignatorLength = 5;  // "L/R16"

inline constexpr const char* kSidType = "SID";
inline constexpr const char* kStarType = "STAR";

// Identity of a record: numbers count 1 upward per airport and runway.
struct ProcedureKey {
    int number = -1;
    std::string airportIdent;
    std::string runway;
};

struct ProcedureHeader {
    int number = -1;  // -1: not yet in a file
    std::string airportIdent;
    std::string airportName;
    std::string runway;
    std::string country;
    std::string author;
    std::string type;  // "SID" or "STAR"
    std::string procedureIdent;
    std::string procedureName;
    double magneticVariation = 0.0;

    ProcedureKey Key() const { return {number, airportIdent, runway}; }
};

struct ProcedureLeg {
    std::string code;  // "R", "N", "I", "C" or empty
    std::string word;
    double latitude = 0.0;
    double longitude = 0.0;
    double minSpeed = 0.0;
    double maxSpeed = 0.0;
    double minAltitude = 0.0;
    double maxAltitude = 0.0;
    double heading = 0.0;
    // The navaid or airport the heading refers to.
    std::string headingIdent;
    double headingLatitude = 0.0;
    double headingLongitude = 0.0;
    // Where the next leg lies: at nextDistance on nextRadial from the navaid nextIdent.
    double nextDistance = 0.0;
    double nextRadial = 0.0;
    std::string nextIdent;
    double nextLatitude = 0.0;
    double nextLongitude = 0.0;
    std::string nextText;  // name or free text of the next point
};

struct Procedure {
    ProcedureHeader header;
    std::vector<ProcedureLeg> legs;
};

// Idents compare trimmed and without regard to case; runways compare trimmed, so the
// designator " 09" of a runway without a side letter is "09" too.
bool SameIdent(const std::string& a, const std::string& b);
bool SameRunway(const std::string& a, const std::string& b);
bool SameRecord(const ProcedureKey& a, const ProcedureKey& b);

// The procedure with its texts cut to their lengths, its numbers clamped into their
// ranges (a number that is not finite becomes 0) and at most kMaxProcedureLegs legs.
Procedure WithinLimits(Procedure procedure);
ProcedureLeg WithinLimits(ProcedureLeg leg);

// The first text the file cannot keep: a line break anywhere, or a ":" in a leg's text
// (it would shift every later field of the leg line).
std::optional<std::string> FirstRefusedText(const Procedure& procedure);

}  // namespace trevalo
