// One request per field of the simulator's global block.
#pragma once

#include <cstdint>

#include "simlinker/simlinker.h"

namespace simlink {

// The field's value; 0 when it cannot be read.
template <class Field>
Field ReadField(std::uint32_t offset) {
    Field value{};
    unsigned got = 0;
    if (TR_Read(&value, sizeof value, &got, offset) == 0) return Field{};
    return value;
}

// 1 when written, else 0.
template <class Field>
int WriteField(std::uint32_t offset, Field value) {
    unsigned got = 0;
    return TR_Write(&value, sizeof value, &got, offset);
}

}  // namespace simlink
