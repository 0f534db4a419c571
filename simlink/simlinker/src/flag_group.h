// The four flags that every flag getter reads and every flag setter writes back, in
// this order: slew, pause, smoke, rate.
#pragma once

#include <cstdint>
#include <optional>

#include "link_call.h"

namespace simlink {

struct FlagGroup {
    std::uint8_t slew = 0;
    std::uint8_t pause = 0;
    std::uint8_t smoke = 0;
    std::uint16_t rate = 0;
};

// nullopt when a flag cannot be read; the reading stops there.
std::optional<FlagGroup> ReadFlags(LinkCall& call);
// The result of the last write.
int WriteFlags(LinkCall& call, const FlagGroup& flags);

// Reads the group, lets change replace one field, writes the group back. When the group
// cannot be read nothing is written and the result is 0.
template <class Change>
int UpdateFlags(LinkCall& call, Change change) {
    std::optional<FlagGroup> flags = ReadFlags(call);
    if (!flags) return 0;
    change(*flags);
    return WriteFlags(call, *flags);
}

}  // namespace simlink
