// The stand-in simulator's global variable block, laid out as the link expects, and the
// motion that keeps its values moving.
#pragma once

#include <array>
#include <cstdint>
#include <cstring>

#include "simlinker/link_protocol.h"

namespace fsim {

class GlobalVariables {
public:
    GlobalVariables();  // a plane in flight, at noon

    std::uint8_t* base() { return bytes_.data(); }
    std::size_t size() const { return bytes_.size(); }

    template <class Field>
    Field Get(std::uint32_t offset) const {
        Field value;
        std::memcpy(&value, bytes_.data() + offset, sizeof value);
        return value;
    }
    template <class Field>
    void Put(std::uint32_t offset, Field value) {
        std::memcpy(bytes_.data() + offset, &value, sizeof value);
    }

    // Moves time on by the elapsed seconds (at the simulation rate) unless paused, and the
    // position along the heading at the ground speed unless paused or slewing.
    void Advance(double elapsedSeconds);

private:
    void AdvanceTime(double seconds);
    void AdvancePosition(double seconds);

    std::array<std::uint8_t, simlink::kOffsetLimit> bytes_{};
    double pendingSeconds_ = 0;
};

}  // namespace fsim
