#include <cstdio>
#include <mutex>

#include "map/nav_database.h"
#include "platform/message_box.h"

namespace trevalo {

namespace {

struct StoredLoadError {
    std::mutex mutex;
    int code = 0;
    std::string message;
};

StoredLoadError& Stored() {
    static StoredLoadError stored;
    return stored;
}

struct LoadErrorText {
    int code;
    const char* text;
};

constexpr char kUnmapFailed[] = "An error occured while unmapping a pointer,\nYou might wish to restart you computer";
constexpr char kCloseFailed[] = "An error occured while closing a handle,\nYou might wish to restart you computer";

constexpr LoadErrorText kLoadErrorTexts[] = {
    {100,
     "The file 'Airport.nav' Could not be located\nYou must place that file in the APL "
     "directory\nYou cannot proceed without this file."},
    {101, "Invalid handle value for the Airport.nav"},
    {102, "Invalid handle value, (NULL), for the Airport.nav"},
    {103, kUnmapFailed},
    {104, kCloseFailed},
    {105, kCloseFailed},
    {200,
     "The file 'Navaids.nav' Could not be located\nYou must place that file in the APL "
     "directory\nYou cannot proceed without this file."},
    {201, "Invalid handle value for the Navaids.nav"},
    {202, "Invalid handle value, (NULL), for the Navaids.nav"},
    {203, kUnmapFailed},
    {204, kCloseFailed},
    {205, kCloseFailed},
    {300,
     "The file 'Ils.nav' Could not be located\nYou must place that file in the APL "
     "directory\nYou cannot proceed without this file."},
    {301, "Invalid handle value for the Ils.nav"},
    {302, "Invalid handle value, (NULL), for the Ils.nav"},
    {303, kUnmapFailed},
    {304, kCloseFailed},
    {305, kCloseFailed},
    {106, "The file 'Airport.nav' does not hold records of 335 characters a line.\nNo airport was loaded from it."},
    {206, "The file 'Navaids.nav' does not hold records of 170 characters a line.\nNo navaid was loaded from it."},
    {306, "The file 'Ils.nav' does not hold records of 92 characters a line.\nNo ILS was loaded from it."},
    {107, "The file 'Airport.nav' ends before the last of the records its first line counts."},
    {207, "The file 'Navaids.nav' ends before the last of the records its first line counts."},
    {307, "The file 'Ils.nav' ends before the last of the records its first line counts."},
};

constexpr char kUnknownError[] = "An unknown error was reported ";

std::string CodeSuffix(int code) {
    char suffix[32];
    std::snprintf(suffix, sizeof suffix, "\nError [%06d]\n", code);
    return suffix;
}

}  // namespace

void SetLoadError(int code, std::string message) {
    if (code == 0) return;
    StoredLoadError& stored = Stored();
    std::lock_guard<std::mutex> lock(stored.mutex);
    stored.code = code;
    stored.message = message.empty() ? LoadErrorMessage(code) : std::move(message);
}

void ResetLoadError() {
    StoredLoadError& stored = Stored();
    std::lock_guard<std::mutex> lock(stored.mutex);
    stored.code = 0;
    stored.message.clear();
}

std::string LoadErrorMessage(int code) {
    std::string message = kUnknownError;
    for (const LoadErrorText& entry : kLoadErrorTexts) {
        if (entry.code == code) message = entry.text;
    }
    return message + CodeSuffix(code);
}

std::string CutShortMessage(int code, const char* fileName, int promised, int read) {
    char text[256];
    std::snprintf(text, sizeof text,
                  "The file '%s' ends early: its first line counts %d records, of which %d were read.\n"
                  "The map shows those; build the database again for the rest.",
                  fileName, promised, read);
    return text + CodeSuffix(code);
}

int ReportLoadError(bool show) {
    StoredLoadError& stored = Stored();
    std::unique_lock<std::mutex> lock(stored.mutex);
    const int code = stored.code;
    const std::string message = stored.message;
    lock.unlock();
    if (code != 0 && show) {
        platform::MessageBox(message, {}, platform::MbIcon::Information, platform::MbButtons::Ok);
    }
    return code;
}

}  // namespace trevalo
