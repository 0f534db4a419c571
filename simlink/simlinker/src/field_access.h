// One request per field of the simulator's global block, within one TR_ call.
#pragma once

#include <cstdint>

#include "link_call.h"

namespace simlink {

// False when the field cannot be read; value is then left as it was.
template <class Field>
bool ReadInto(LinkCall& call, std::uint32_t offset, Field& value) {
    Field read{};
    unsigned got = 0;
    if (call.Transfer(&read, sizeof read, &got, offset, kRead) == 0) return false;
    value = read;
    return true;
}

template <class Field>
struct FieldAt {
    std::uint32_t offset;
    Field& value;
};

template <class Field>
FieldAt<Field> At(std::uint32_t offset, Field& value) {
    return {offset, value};
}

// Reads the fields in order; false at the first that cannot be read, after which nothing
// more is read.
template <class... Fields>
bool ReadAll(LinkCall& call, FieldAt<Fields>... fields) {
    return (ReadInto(call, fields.offset, fields.value) && ...);
}

// The field's value; 0 when it cannot be read.
template <class Field>
Field ReadField(LinkCall& call, std::uint32_t offset) {
    Field value{};
    ReadInto(call, offset, value);
    return value;
}

// 1 when written, else 0.
template <class Field>
int WriteField(LinkCall& call, std::uint32_t offset, Field value) {
    unsigned got = 0;
    return call.Transfer(&value, sizeof value, &got, offset, kWrite);
}

// A field read or written in a TR_ call of its own.
template <class Field>
Field ReadAlone(std::uint32_t offset) {
    LinkCall call;
    return ReadField<Field>(call, offset);
}

template <class Field>
int WriteAlone(std::uint32_t offset, Field value) {
    LinkCall call;
    return WriteField(call, offset, value);
}

}  // namespace simlink
