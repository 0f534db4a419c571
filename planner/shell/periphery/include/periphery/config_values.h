// The settings that the configuration dialog edits, read at once and written at once on
// "&Done" (Cancel writes nothing), with the rules for the version check's days and for
// the name of a new FS2002 flights folder.
#pragma once

#include <array>
#include <string>
#include <vector>

#include "shell/settings.h"

namespace trevalo {

// The days the version check offers; fewer than the first are never stored.
inline constexpr std::array<int, 4> kCheckDayChoices = {30, 60, 90, 120};
inline constexpr int kMaxPlaneUpdateSeconds = 60;

struct ConfigValues {
    std::string baseDirectory;  // shown only
    std::string compiler;
    std::string mapWizard;
    std::string weather;
    std::string editor;
    std::string ftp;
    bool autoMove = true;
    int moveToDir = 4;  // index into kMoveToDirCategories; -1 when the stored text is none
    std::string storedMoveToDir = "4";
    bool autoMoveFs2k2 = true;
    std::string flightsFolder;
    bool autoMoveSound = true;
    bool autoCreateAdv = true;
    bool autoTab = true;
    bool realMovePlane = true;
    int planeUpdateSeconds = 10;
    bool check = false;
    int checkDayIndex = 0;  // into kCheckDayChoices
};

// Reads every value, the base directory with its final backslash; writes nothing.
ConfigValues ReadConfigValues(const Settings& settings);
// Writes every value but the base directory.
void WriteConfigValues(const Settings& settings, const ConfigValues& values);

// The choice shown for stored days: the first choice not below them, the first for more
// than the last.
int CheckDayIndex(int days);
// The days of a choice; the first choice's for none.
int CheckDaysOf(int index);

// A name that makes one folder inside the flights folder: not empty, no separators, no
// drive, not "." or "..", none of the characters Windows refuses in names, no leading or
// trailing blanks or dots, no device name.
bool IsPlainFolderName(const std::string& name);

// The folders inside "<fs2002Folder>\flights", sorted by name.
std::vector<std::string> FlightsFolders(const std::string& fs2002Folder);

}  // namespace trevalo
