#include "platform/timers.h"

#include <chrono>
#include <map>
#include <mutex>
#include <vector>

#include "timer_dispatch.h"
#include "window_dispatch.h"

namespace platform {
namespace {

using Clock = std::chrono::steady_clock;

struct Timer {
    std::chrono::milliseconds interval;
    Clock::time_point due;
    TimerProc procedure;
};

struct TimerTable {
    std::mutex mutex;
    std::map<std::uintptr_t, Timer> timers;
    std::uintptr_t lastId = 0;
};

TimerTable& Timers() {
    static TimerTable table;
    return table;
}

std::uint32_t TickMs() {
    return static_cast<std::uint32_t>(
        std::chrono::duration_cast<std::chrono::milliseconds>(Clock::now().time_since_epoch()).count());
}

}  // namespace

std::uintptr_t SetThreadTimer(unsigned intervalMs, TimerProc procedure) {
    if (procedure == nullptr) return 0;
    TimerTable& table = Timers();
    std::uintptr_t id = 0;
    {
        std::lock_guard lock(table.mutex);
        id = ++table.lastId;
        const std::chrono::milliseconds interval(intervalMs);
        table.timers.emplace(id, Timer{interval, Clock::now() + interval, procedure});
    }
    detail::WakeMessageLoop();  // a waiting loop picks up the new deadline
    return id;
}

bool KillTimer(std::uintptr_t timerId) {
    TimerTable& table = Timers();
    std::lock_guard lock(table.mutex);
    return table.timers.erase(timerId) == 1;
}

int NextTimerDelayMs() {
    TimerTable& table = Timers();
    std::lock_guard lock(table.mutex);
    if (table.timers.empty()) return -1;
    Clock::time_point next = Clock::time_point::max();
    for (const auto& [id, timer] : table.timers) next = std::min(next, timer.due);
    const auto delay = std::chrono::ceil<std::chrono::milliseconds>(next - Clock::now()).count();
    return delay > 0 ? static_cast<int>(delay) : 0;
}

namespace detail {

void RunDueTimers() {
    TimerTable& table = Timers();
    std::vector<std::uintptr_t> due;
    {
        std::lock_guard lock(table.mutex);
        const Clock::time_point now = Clock::now();
        for (const auto& [id, timer] : table.timers) {
            if (timer.due <= now) due.push_back(id);
        }
    }
    for (std::uintptr_t id : due) {
        TimerProc procedure = nullptr;
        {
            // A callback may have killed this timer meanwhile.
            std::lock_guard lock(table.mutex);
            auto found = table.timers.find(id);
            if (found == table.timers.end()) continue;
            found->second.due = Clock::now() + found->second.interval;
            procedure = found->second.procedure;
        }
        procedure(0, WM_TIMER, id, TickMs());
    }
}

}  // namespace detail
}  // namespace platform
