// Version, presence, altitude, heading, date and speeds.
#include <array>

#include "conversions.h"
#include "field_access.h"
#include "flag_group.h"
#include "platform/windows.h"
#include "simlinker/global_block.h"
#include "simlinker/link_protocol.h"

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

Date ReadDate() {
    return {ReadField<std::uint16_t>(kDayOfYear), ReadField<std::uint16_t>(kYear), ReadField<std::uint16_t>(kSeason)};
}

// The simulator's date is not changed: nothing in the suite sets it.
void WriteDate(const Date&) {}

struct Speeds {
    std::int32_t ground = 0;
    std::int32_t trueAir = 0;
    std::int32_t indicated = 0;
};

Speeds ReadSpeeds() {
    return {ReadField<std::int32_t>(kGroundSpeed), ReadField<std::int32_t>(kTrueAirspeed),
            ReadField<std::int32_t>(kIndicatedAirspeed)};
}

// The speeds are not changed: nothing in the suite sets them; nothing is written.
int WriteSpeeds(const Speeds&) { return 0; }

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
    unsigned got = 0;
    return TR_Read(&pause, sizeof pause, &got, kPause);
}

double TR_GetFSAltM() { return ReadField<std::uint32_t>(kAltitude); }
double TR_GetFSAltF() { return ReadField<std::uint32_t>(kAltitude) * kFeetPerMetre; }
int TR_SetFSAltM(double metres) { return WriteField(kAltitude, WrapToField<std::uint32_t>(metres)); }
int TR_SetFSAltF(double feet) { return WriteField(kAltitude, WrapToField<std::uint32_t>(feet * kMetresPerFoot)); }

double TR_GetFSHdg() { return HeadingDegrees(ReadField<std::int32_t>(kHeading)); }

// The heading only takes while slewing: slew is switched on around the write if it was off.
int TR_SetFSHdg(double degrees) {
    const bool slewing = ReadField<std::uint8_t>(kSlew) != 0;
    if (!slewing) UpdateFlags([](FlagGroup& flags) { flags.slew = 1; });
    const int written = WriteField(kHeading, EncodeHeading(degrees));
    if (slewing) return written;
    return UpdateFlags([](FlagGroup& flags) { flags.slew = 0; });
}

int TR_GetFSDayOfYear() { return ReadField<std::uint16_t>(kDayOfYear); }
int TR_GetFSYear() { return ReadField<std::uint16_t>(kYear); }
int TR_GetFSSeason() { return ReadField<std::uint16_t>(kSeason); }

void TR_SetFSDayOfYear(int day) {
    Date date = ReadDate();
    date.dayOfYear = static_cast<std::uint16_t>(day);
    WriteDate(date);
}

void TR_SetFSYear(int year) {
    Date date = ReadDate();
    date.year = static_cast<std::uint16_t>(year);
    WriteDate(date);
}

void TR_SetFSSEason(int season) {
    Date date = ReadDate();
    date.season = static_cast<std::uint16_t>(season < 0 ? 0 : season > kLastSeason ? kLastSeason : season);
    WriteDate(date);
}

double TR_GetFSSpeedIAS() { return ReadField<std::int32_t>(kIndicatedAirspeed) / kAirspeedUnitsPerKnot; }
double TR_GetFSSpeedTAS() { return ReadField<std::int32_t>(kTrueAirspeed) / kAirspeedUnitsPerKnot; }
double TR_GetFSSpeedGS() { return ReadField<std::int32_t>(kGroundSpeed) * kKnotsPerGroundSpeedUnit; }

int TR_SetFSSpeedIAS(double knots) {
    Speeds speeds = ReadSpeeds();
    speeds.indicated = AirspeedUnits(knots);
    return WriteSpeeds(speeds);
}

int TR_SetFSSpeedTAS(double knots) {
    Speeds speeds = ReadSpeeds();
    speeds.trueAir = AirspeedUnits(knots);
    return WriteSpeeds(speeds);
}

int TR_SetFSSpeedGS(double knots) {
    Speeds speeds = ReadSpeeds();
    speeds.ground = GroundSpeedUnits(knots);
    return WriteSpeeds(speeds);
}

}  // extern "C"
