#include <atomic>
#include <cstdio>

#include "map/nav_database.h"
#include "platform/message_box.h"

namespace trevalo {

namespace {

std::atomic<int> storedLoadError{0};

struct LoadErrorText {
    int code;
    const char* text;
};

constexpr char kUnmapFailed[] =
    "An error occured while unmapping a pointer,\nYou might wish to restart you computer";
constexpr char kCloseFailed[] =
    "An error occured while closing a handle,\nYou might wish to restart you computer";

constexpr LoadErrorText kLoadErrorTexts[] = {
    {100, "The file 'Airport.nav' Could not be located\nYou must place that file in the APL "
          "directory\nYou cannot proceed without this file."},
    {101, "Invalid handle value for the Airport.nav"},
    {102, "Invalid handle value, (NULL), for the Airport.nav"},
    {103, kUnmapFailed},
    {104, kCloseFailed},
    {105, kCloseFailed},
    {200, "The file 'Navaids.nav' Could not be located\nYou must place that file in the APL "
          "directory\nYou cannot proceed without this file."},
    {201, "Invalid handle value for the Navaids.nav"},
    {202, "Invalid handle value, (NULL), for the Navaids.nav"},
    {203, kUnmapFailed},
    {204, kCloseFailed},
    {205, kCloseFailed},
    {300, "The file 'Ils.nav' Could not be located\nYou must place that file in the APL "
          "directory\nYou cannot proceed without this file."},
    {301, "Invalid handle value for the Ils.nav"},
    {302, "Invalid handle value, (NULL), for the Ils.nav"},
    {303, kUnmapFailed},
    {304, kCloseFailed},
    {305, kCloseFailed},
};

constexpr char kUnknownError[] = "An unknown error was reported ";

}  // namespace

void SetLoadError(int code) {
    if (code != 0) storedLoadError.store(code);
}

void ResetLoadError() { storedLoadError.store(0); }

std::string LoadErrorMessage(int code) {
    std::string message = kUnknownError;
    for (const LoadErrorText& entry : kLoadErrorTexts) {
        if (entry.code == code) message = entry.text;
    }
    char suffix[32];
    std::snprintf(suffix, sizeof suffix, "\nError [%06d]\n", code);
    return message + suffix;
}

int ReportLoadError(bool show) {
    const int code = storedLoadError.load();
    if (code != 0 && show) {
        platform::MessageBox(LoadErrorMessage(code), {}, platform::MbIcon::Information,
                             platform::MbButtons::Ok);
    }
    return code;
}

}  // namespace trevalo
