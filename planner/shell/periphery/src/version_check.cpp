#include "periphery/version_check.h"

#include <algorithm>

#include "periphery/config_values.h"

namespace trevalo {
namespace {

constexpr int kFirstYear = 1970;
constexpr int kLastYear = 2038;

bool IsDate(int year, int month, int day) {
    return year >= kFirstYear && year <= kLastYear && month >= 1 && month <= 12 && day >= 1 && day <= 31;
}

}  // namespace

std::time_t GetLastCheckDate(const Settings& settings, std::time_t now) {
    const int year = settings.ReadInt(SettingId::Year);
    const int month = settings.ReadInt(SettingId::Month);
    const int day = settings.ReadInt(SettingId::Day);
    if (!IsDate(year, month, day)) {
        settings.WriteInt(SettingId::Check, 1);
        settings.WriteInt(SettingId::CheckDay, kCheckDayChoices[0]);
        SetLastCheckDate(settings, now);
        return now;
    }
    std::tm midnight{};
    midnight.tm_year = year - 1900;
    midnight.tm_mon = month - 1;
    midnight.tm_mday = day;
    midnight.tm_isdst = -1;
    return std::mktime(&midnight);
}

void SetLastCheckDate(const Settings& settings, std::time_t when) {
    std::tm local{};
    if (localtime_r(&when, &local) == nullptr) return;
    settings.WriteInt(SettingId::Year, local.tm_year + 1900);
    settings.WriteInt(SettingId::Month, local.tm_mon + 1);
    settings.WriteInt(SettingId::Day, local.tm_mday);
}

int CheckIntervalDays(const Settings& settings) {
    return std::max(settings.ReadInt(SettingId::CheckDay), kCheckDayChoices[0]);
}

bool IsVersionQuestionDue(const Settings& settings, std::time_t now) {
    const std::time_t last = GetLastCheckDate(settings, now);
    const long long elapsedDays = (static_cast<long long>(now) - static_cast<long long>(last)) / kSecondsPerDay;
    return elapsedDays >= CheckIntervalDays(settings) && settings.ReadInt(SettingId::Check) == 1;
}

}  // namespace trevalo
