#include "window_registry.h"

#include <signal.h>
#include <unistd.h>

#include <cerrno>
#include <charconv>
#include <cstdio>
#include <fstream>
#include <map>
#include <optional>
#include <sstream>
#include <system_error>

#include "environment.h"

namespace platform::detail {
namespace {

constexpr const char* kRecordSuffix = ".window";
// Field 22 of /proc/<pid>/stat, counted after the command name's closing parenthesis.
constexpr int kStartTimeField = 22;
constexpr int kFieldsBeforeState = 2;

std::filesystem::path RecordPath(Hwnd window) {
    char name[32];
    std::snprintf(name, sizeof name, "%016llx", static_cast<unsigned long long>(window));
    return WindowsFolder() / (std::string(name) + kRecordSuffix);
}

std::optional<WindowRecord> ReadRecord(const std::filesystem::path& path) {
    std::ifstream in(path);
    WindowRecord record;
    std::string firstLine;
    if (!std::getline(in, firstLine)) return std::nullopt;
    std::istringstream numbers(firstLine);
    unsigned long long window = 0;
    long long pid = 0;
    if (!(numbers >> std::hex >> window >> std::dec >> pid >> record.startTime)) return std::nullopt;
    record.window = window;
    record.processId = static_cast<pid_t>(pid);
    if (!std::getline(in, record.className) || !std::getline(in, record.title)) return std::nullopt;
    return record;
}

}  // namespace

std::filesystem::path WindowsFolder() {
    if (auto folder = EnvironmentValue("QUILLET_WINDOWS_DIR")) return *folder;
    if (auto settings = EnvironmentValue("QUILLET_SETTINGS_DIR")) return std::filesystem::path(*settings) / "windows";
    if (auto runtime = EnvironmentValue("XDG_RUNTIME_DIR")) return std::filesystem::path(*runtime) / "quillet-windows";
    return UserFolder("XDG_CONFIG_HOME", ".config") / "windows";
}

std::string SessionTag() {
    // FNV-1a of the folder's text.
    std::uint64_t hash = 14695981039346656037ull;
    for (unsigned char c : WindowsFolder().string()) {
        hash ^= c;
        hash *= 1099511628211ull;
    }
    char text[24];
    std::snprintf(text, sizeof text, "%u-%016llx", static_cast<unsigned>(::getuid()),
                  static_cast<unsigned long long>(hash));
    return text;
}

bool WriteWindowRecord(const WindowRecord& record) {
    std::error_code error;
    std::filesystem::create_directories(WindowsFolder(), error);
    const std::filesystem::path path = RecordPath(record.window);
    const std::filesystem::path partial = path.string() + ".part";
    {
        std::ofstream out(partial, std::ios::trunc);
        out << std::hex << record.window << std::dec << ' ' << record.processId << ' ' << record.startTime << '\n'
            << record.className << '\n'
            << record.title << '\n';
        if (!out.flush()) return false;
    }
    std::filesystem::rename(partial, path, error);
    return !error;
}

void RemoveWindowRecord(Hwnd window) {
    std::error_code ignored;
    std::filesystem::remove(RecordPath(window), ignored);
}

std::vector<WindowRecord> LiveWindowRecords() {
    std::vector<WindowRecord> live;
    // Each process's start time, read once; a record is live when it names the same start, so a stale
    // record left by an earlier process with the same id never hides the live one's windows.
    std::map<pid_t, unsigned long long> startTimes;
    std::error_code error;
    for (const auto& entry : std::filesystem::directory_iterator(WindowsFolder(), error)) {
        if (entry.path().extension() != kRecordSuffix) continue;
        std::optional<WindowRecord> record = ReadRecord(entry.path());
        if (!record) continue;  // being written, or damaged
        auto known = startTimes.find(record->processId);
        if (known == startTimes.end())
            known = startTimes.emplace(record->processId, ProcessStartTime(record->processId)).first;
        if (known->second != 0 && known->second == record->startTime) {
            live.push_back(std::move(*record));
        } else {
            std::error_code ignored;
            std::filesystem::remove(entry.path(), ignored);
        }
    }
    return live;
}

unsigned long long ProcessStartTime(pid_t processId) {
    if (processId <= 0) return 0;
    std::ifstream in("/proc/" + std::to_string(processId) + "/stat");
    std::string stat;
    if (!std::getline(in, stat)) return 0;
    const size_t close = stat.rfind(')');
    if (close == std::string::npos) return 0;
    std::istringstream fields(stat.substr(close + 1));
    std::string field;
    for (int index = kFieldsBeforeState + 1; index <= kStartTimeField; ++index) {
        if (!(fields >> field)) return 0;
    }
    unsigned long long startTime = 0;
    std::from_chars(field.data(), field.data() + field.size(), startTime);
    // A zombie has ended even though its entry remains.
    std::istringstream state(stat.substr(close + 1));
    std::string stateField;
    state >> stateField;
    if (stateField == "Z" || stateField == "X") return 0;
    return startTime;
}

}  // namespace platform::detail
