#include <cmath>

#include "conversions.h"
#include "field_access.h"
#include "flag_group.h"
#include "simlinker/global_block.h"
#include "simlinker/simlinker.h"

namespace simlink {

using namespace global_block;

std::optional<FlagGroup> ReadFlags(LinkCall& call) {
    FlagGroup flags;
    if (!ReadAll(call, At(kSlew, flags.slew), At(kPause, flags.pause), At(kSmoke, flags.smoke), At(kRate, flags.rate)))
        return std::nullopt;
    return flags;
}

int WriteFlags(LinkCall& call, const FlagGroup& flags) {
    WriteField(call, kSlew, flags.slew);
    WriteField(call, kPause, flags.pause);
    WriteField(call, kSmoke, flags.smoke);
    return WriteField(call, kRate, flags.rate);
}

namespace {

// One flag of a group read in a call of its own; 0 when the group cannot be read.
template <class Field>
Field ReadFlag(Field FlagGroup::*flag) {
    LinkCall call;
    const std::optional<FlagGroup> flags = ReadFlags(call);
    return flags ? (*flags).*flag : Field{};
}

template <class Change>
int UpdateFlagsInACall(Change change) {
    LinkCall call;
    return UpdateFlags(call, change);
}

}  // namespace
}  // namespace simlink

using simlink::FlagGroup;

extern "C" {

int TR_GetFSSmoke() { return simlink::ReadFlag(&FlagGroup::smoke) != 0 ? 1 : 0; }
int TR_GetFSSlew() { return simlink::ReadFlag(&FlagGroup::slew) != 0 ? 1 : 0; }
int TR_GetFSPause() { return simlink::ReadFlag(&FlagGroup::pause) != 0 ? 1 : 0; }
double TR_GetFSRate() { return simlink::ReadFlag(&FlagGroup::rate) / simlink::global_block::kRateUnitsPerRate; }

int TR_SetFSSmoke(int on) {
    return simlink::UpdateFlagsInACall([on](FlagGroup& flags) { flags.smoke = static_cast<std::uint8_t>(on); });
}
int TR_SetFSSlew(int on) {
    return simlink::UpdateFlagsInACall([on](FlagGroup& flags) { flags.slew = static_cast<std::uint8_t>(on); });
}
int TR_SetFSPause(int on) {
    return simlink::UpdateFlagsInACall([on](FlagGroup& flags) { flags.pause = static_cast<std::uint8_t>(on); });
}
// A fractional rate cannot be set: the whole part of the rate, x 256, is stored.
int TR_SetFSRate(double rate) {
    return simlink::UpdateFlagsInACall([rate](FlagGroup& flags) {
        flags.rate = simlink::WrapToField<std::uint16_t>(std::trunc(rate) * simlink::global_block::kRateUnitsPerRate);
    });
}

}  // extern "C"
