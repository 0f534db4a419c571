// The per-user folder of window records, shared by every process of the user.
#pragma once

#include <sys/types.h>
#include <filesystem>
#include <string>
#include <vector>

#include "platform/window_types.h"

namespace platform::detail {

struct WindowRecord {
    Hwnd window = 0;
    pid_t processId = 0;
    unsigned long long startTime = 0;  // tells a live owner from a later process of the same id
    std::string className;
    std::string title;
};

std::filesystem::path WindowsFolder();
// A short text naming the windows folder, to keep other per-user names apart.
std::string SessionTag();

bool WriteWindowRecord(const WindowRecord& record);
void RemoveWindowRecord(Hwnd window);
// Records of live processes; records of dead ones are removed on the way.
std::vector<WindowRecord> LiveWindowRecords();

// The kernel's start time of a process; 0 when it does not run.
unsigned long long ProcessStartTime(pid_t processId);

}  // namespace platform::detail
