// The periodic version check's dates: the last check kept as a local date in the
// settings, the question due once the set number of days (never fewer than 30) has
// passed since. Times come from the caller, so tests set the clock.
#pragma once

#include <ctime>

#include "shell/settings.h"

namespace trevalo {

inline constexpr int kSecondsPerDay = 86400;

// The last check at local midnight. A stored date that is none (a year outside 1970 to
// 2038, a month or day out of range) switches the check on every 30 days, dated now, and
// gives now.
std::time_t GetLastCheckDate(const Settings& settings, std::time_t now);
// Stores the local date of the time.
void SetLastCheckDate(const Settings& settings, std::time_t when);
// Days between checks as set, never fewer than the first choice.
int CheckIntervalDays(const Settings& settings);
// The check is on and its days have passed since the last check.
bool IsVersionQuestionDue(const Settings& settings, std::time_t now);

}  // namespace trevalo
