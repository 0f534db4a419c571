// The four flags that every flag getter reads and every flag setter writes back, in
// this order: slew, pause, smoke, rate.
#pragma once

#include <cstdint>

namespace simlink {

struct FlagGroup {
    std::uint8_t slew = 0;
    std::uint8_t pause = 0;
    std::uint8_t smoke = 0;
    std::uint16_t rate = 0;
};

FlagGroup ReadFlags();
// The result of the last write.
int WriteFlags(const FlagGroup& flags);

// Reads the group, lets change replace one field, writes the group back.
template <class Change>
int UpdateFlags(Change change) {
    FlagGroup flags = ReadFlags();
    change(flags);
    return WriteFlags(flags);
}

}  // namespace simlink
