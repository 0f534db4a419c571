#include <cmath>

#include "conversions.h"
#include "field_access.h"
#include "flag_group.h"
#include "simlinker/global_block.h"

namespace simlink {

using namespace global_block;

FlagGroup ReadFlags() {
    FlagGroup flags;
    flags.slew = ReadField<std::uint8_t>(kSlew);
    flags.pause = ReadField<std::uint8_t>(kPause);
    flags.smoke = ReadField<std::uint8_t>(kSmoke);
    flags.rate = ReadField<std::uint16_t>(kRate);
    return flags;
}

int WriteFlags(const FlagGroup& flags) {
    WriteField(kSlew, flags.slew);
    WriteField(kPause, flags.pause);
    WriteField(kSmoke, flags.smoke);
    return WriteField(kRate, flags.rate);
}

}  // namespace simlink

using simlink::FlagGroup;

extern "C" {

int TR_GetFSSmoke() { return simlink::ReadFlags().smoke != 0 ? 1 : 0; }
int TR_GetFSSlew() { return simlink::ReadFlags().slew != 0 ? 1 : 0; }
int TR_GetFSPause() { return simlink::ReadFlags().pause != 0 ? 1 : 0; }
double TR_GetFSRate() { return simlink::ReadFlags().rate / simlink::global_block::kRateUnitsPerRate; }

int TR_SetFSSmoke(int on) {
    return simlink::UpdateFlags([on](FlagGroup& flags) { flags.smoke = static_cast<std::uint8_t>(on); });
}
int TR_SetFSSlew(int on) {
    return simlink::UpdateFlags([on](FlagGroup& flags) { flags.slew = static_cast<std::uint8_t>(on); });
}
int TR_SetFSPause(int on) {
    return simlink::UpdateFlags([on](FlagGroup& flags) { flags.pause = static_cast<std::uint8_t>(on); });
}
// A fractional rate cannot be set: the whole part of the rate, x 256, is stored.
int TR_SetFSRate(double rate) {
    return simlink::UpdateFlags([rate](FlagGroup& flags) {
        flags.rate = simlink::WrapToField<std::uint16_t>(std::trunc(rate) * simlink::global_block::kRateUnitsPerRate);
    });
}

}  // extern "C"
