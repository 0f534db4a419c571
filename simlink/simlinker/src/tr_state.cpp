// Version, presence, altitude, heading, date and speeds.
#include <optional>

#include "conversions.h"
#include "field_access.h"
#include "flag_group.h"
#include "platform/windows.h"
#include "simlinker/global_block.h"
#include "simlinker/link_protocol.h"
#include "simlinker/simlinker.h"

namespace {

using namespace simlink;
using namespace simlink::global_block;

constexpr int kVersionMajor = 1;
constexpr int kVersionMinor = 0;
constexpr int kVersionBuild = 1;
constexpr int kLastSeason = 3;

struct Date {
    std::uint16_t dayOfYear = 0;
    std::uint16_t year = 0;
    std::uint16_t season = 0;
};

struct Speeds {
    std::int32_t ground = 0;
    std::int32_t trueAir = 0;
    std::int32_t indicated = 0;
};

bool ReadGroup(LinkCall& call, Date& date) {
    return ReadAll(call, At(kDayOfYear, date.dayOfYear), At(kYear, date.year), At(kSeason, date.season));
}

bool ReadGroup(LinkCall& call, Speeds& speeds) {
    return ReadAll(call, At(kGroundSpeed, speeds.ground), At(kTrueAirspeed, speeds.trueAir),
                   At(kIndicatedAirspeed, speeds.indicated));
}

// Reads the date or the speeds and lets change replace one field. Nothing is written
// back: nothing in the suite sets the simulator's date or speeds, so they stay as the
// simulator has them.
template <class Group, class Change>
void ReadAndChange(Change change) {
    LinkCall call;
    Group group;
    if (ReadGroup(call, group)) change(group);
}

std::int32_t GroundSpeedUnits(double knots) { return WrapToField<std::int32_t>(knots / kKnotsPerGroundSpeedUnit); }
std::int32_t AirspeedUnits(double knots) { return WrapToField<std::int32_t>(knots * kAirspeedUnitsPerKnot); }

}  // namespace

extern "C" {

void TR_GetVersion(int* major, int* minor, int* build) {
    if (major != nullptr) *major = kVersionMajor;
    if (minor != nullptr) *minor = kVersionMinor;
    if (build != nullptr) *build = kVersionBuild;
}

int TR_IsFSRunning() {
    if (platform::FindWindow(std::string(kSimulatorWindowClass)) == 0) return 0;
    std::uint8_t pause = 0;
    LinkCall call;
    return ReadInto(call, kPause, pause) ? 1 : 0;
}

double TR_GetFSAltM() { return ReadAlone<std::uint32_t>(kAltitude); }
double TR_GetFSAltF() { return ReadAlone<std::uint32_t>(kAltitude) * kFeetPerMetre; }
int TR_SetFSAltM(double metres) { return WriteAlone(kAltitude, WrapToField<std::uint32_t>(metres)); }
int TR_SetFSAltF(double feet) { return WriteAlone(kAltitude, WrapToField<std::uint32_t>(feet * kMetresPerFoot)); }

double TR_GetFSHdg() { return HeadingDegrees(ReadAlone<std::int32_t>(kHeading)); }

// The heading only takes while slewing: slew is switched on around the write if it was
// off. Nothing is written when the slew flag or the flag group cannot be read first.
int TR_SetFSHdg(double degrees) {
    LinkCall call;
    std::uint8_t slew = 0;
    if (!ReadInto(call, kSlew, slew)) return 0;
    if (slew != 0) return WriteField(call, kHeading, EncodeHeading(degrees));
    std::optional<FlagGroup> flags = ReadFlags(call);
    if (!flags) return 0;
    flags->slew = 1;
    WriteFlags(call, *flags);
    WriteField(call, kHeading, EncodeHeading(degrees));
    return UpdateFlags(call, [](FlagGroup& group) { group.slew = 0; });
}

int TR_GetFSDayOfYear() { return ReadAlone<std::uint16_t>(kDayOfYear); }
int TR_GetFSYear() { return ReadAlone<std::uint16_t>(kYear); }
int TR_GetFSSeason() { return ReadAlone<std::uint16_t>(kSeason); }

void TR_SetFSDayOfYear(int day) {
    ReadAndChange<Date>([day](Date& date) { date.dayOfYear = static_cast<std::uint16_t>(day); });
}

void TR_SetFSYear(int year) {
    ReadAndChange<Date>([year](Date& date) { date.year = static_cast<std::uint16_t>(year); });
}

void TR_SetFSSEason(int season) {
    ReadAndChange<Date>([season](Date& date) {
        date.season = static_cast<std::uint16_t>(season < 0 ? 0 : season > kLastSeason ? kLastSeason : season);
    });
}

double TR_GetFSSpeedIAS() { return ReadAlone<std::int32_t>(kIndicatedAirspeed) / kAirspeedUnitsPerKnot; }
double TR_GetFSSpeedTAS() { return ReadAlone<std::int32_t>(kTrueAirspeed) / kAirspeedUnitsPerKnot; }
double TR_GetFSSpeedGS() { return ReadAlone<std::int32_t>(kGroundSpeed) * kKnotsPerGroundSpeedUnit; }

int TR_SetFSSpeedIAS(double knots) {
    ReadAndChange<Speeds>([knots](Speeds& speeds) { speeds.indicated = AirspeedUnits(knots); });
    return 0;
}

int TR_SetFSSpeedTAS(double knots) {
    ReadAndChange<Speeds>([knots](Speeds& speeds) { speeds.trueAir = AirspeedUnits(knots); });
    return 0;
}

int TR_SetFSSpeedGS(double knots) {
    ReadAndChange<Speeds>([knots](Speeds& speeds) { speeds.ground = GroundSpeedUnits(knots); });
    return 0;
}

}  // extern "C"
