// Time of day: three bytes at 568 (hour, minute, second).
#include <array>
#include <cstdint>

#include "field_access.h"
#include "simlinker/global_block.h"

namespace {

using TimeBytes = std::array<std::uint8_t, 3>;
enum TimePart { kHourPart, kMinutePart, kSecondPart };

TimeBytes ReadTime() { return simlink::ReadField<TimeBytes>(simlink::global_block::kHour); }

int WriteTime(const TimeBytes& time) { return simlink::WriteField(simlink::global_block::kHour, time); }

int ReplaceTimePart(TimePart part, int value) {
    TimeBytes time = ReadTime();
    time[part] = static_cast<std::uint8_t>(value);
    return WriteTime(time);
}

}  // namespace

extern "C" {

int TR_GetFSHrs() { return simlink::ReadField<std::uint8_t>(simlink::global_block::kHour); }
int TR_GetFSMin() { return simlink::ReadField<std::uint8_t>(simlink::global_block::kMinute); }
int TR_GetFSSec() { return simlink::ReadField<std::uint8_t>(simlink::global_block::kSecond); }

void TR_GetFSTime(int* h, int* m, int* s) {
    const TimeBytes time = ReadTime();
    if (h != nullptr) *h = time[kHourPart];
    if (m != nullptr) *m = time[kMinutePart];
    if (s != nullptr) *s = time[kSecondPart];
}

int TR_SetFSHrs(int hours) { return ReplaceTimePart(kHourPart, hours); }
int TR_SetFSMin(int minutes) { return ReplaceTimePart(kMinutePart, minutes); }
int TR_SetFSSec(int seconds) { return ReplaceTimePart(kSecondPart, seconds); }

int TR_SetFSTime(int h, int m, int s) {
    return WriteTime({static_cast<std::uint8_t>(h), static_cast<std::uint8_t>(m), static_cast<std::uint8_t>(s)});
}

}  // extern "C"
