// Everything the adventure wizard's pages hold, one part per page, as plain values: the
// pages bind their controls to them, the definition writer and reader move them to and
// from the .adf. The flight-plan page keeps its own values (flightplan/flight_plan.h).
#pragma once

#include "adf/values/atc_sound.h"
#include "adf/values/briefing.h"
#include "adf/values/emergency.h"
#include "adf/values/general_info.h"
#include "adf/values/key_commands.h"
#include "adf/values/landing.h"
#include "adf/values/plane.h"
#include "adf/values/real_time.h"
#include "adf/values/weather.h"

namespace adf {

struct WizardValues {
    GeneralInfoValues general;
    KeyCommandValues keys;
    WeatherValues weather;
    LandingValues landing;
    EmergencyValues emergency;
    AtcSoundValues atc;
    PlaneValues plane;
    BriefingValues briefing;
    RealTimeValues realTime;

    bool operator==(const WizardValues&) const = default;
};

// File > New: every page back to its defaults, the six default key entries among them.
// What comes from outside the wizard stays: the selected plane and its performance from
// the plane file, and the simulator's live values.
void ResetPages(WizardValues& values);

}  // namespace adf
