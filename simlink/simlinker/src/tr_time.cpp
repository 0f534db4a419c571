// Time of day: three bytes at 568 (hour, minute, second).
#include <array>
#include <cstdint>

#include "field_access.h"
#include "simlinker/global_block.h"
#include "simlinker/simlinker.h"

namespace {

using simlink::LinkCall;
using simlink::ReadAlone;
using simlink::global_block::kHour;
using simlink::global_block::kMinute;
using simlink::global_block::kSecond;
using TimeBytes = std::array<std::uint8_t, 3>;
enum TimePart { kHourPart, kMinutePart, kSecondPart };

int WriteTime(LinkCall& call, const TimeBytes& time) { return simlink::WriteField(call, kHour, time); }

// Nothing is written when the time cannot be read.
int ReplaceTimePart(TimePart part, int value) {
    LinkCall call;
    TimeBytes time{};
    if (!simlink::ReadInto(call, kHour, time)) return 0;
    time[part] = static_cast<std::uint8_t>(value);
    return WriteTime(call, time);
}

}  // namespace

extern "C" {

int TR_GetFSHrs() { return ReadAlone<std::uint8_t>(kHour); }
int TR_GetFSMin() { return ReadAlone<std::uint8_t>(kMinute); }
int TR_GetFSSec() { return ReadAlone<std::uint8_t>(kSecond); }

void TR_GetFSTime(int* h, int* m, int* s) {
    const TimeBytes time = ReadAlone<TimeBytes>(kHour);
    if (h != nullptr) *h = time[kHourPart];
    if (m != nullptr) *m = time[kMinutePart];
    if (s != nullptr) *s = time[kSecondPart];
}

int TR_SetFSHrs(int hours) { return ReplaceTimePart(kHourPart, hours); }
int TR_SetFSMin(int minutes) { return ReplaceTimePart(kMinutePart, minutes); }
int TR_SetFSSec(int seconds) { return ReplaceTimePart(kSecondPart, seconds); }

int TR_SetFSTime(int h, int m, int s) {
    LinkCall call;
    return WriteTime(call, {static_cast<std::uint8_t>(h), static_cast<std::uint8_t>(m), static_cast<std::uint8_t>(s)});
}

}  // extern "C"
