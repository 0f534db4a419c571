// Writes a stand-in simulator installation (FS2000 or FS2002) into a folder: scenery
// files, the weather station files, aircraft, the flights folder and the adventure
// folders, and the install key of the machine hive that points at the folder.
#pragma once

#include <cstddef>
#include <string>

#include "fsinstall/scenery_content.h"

namespace fsinstall {

enum class SimulatorVersion { Fs2000 = 7, Fs2002 = 8 };

struct InstallationOptions {
    std::string folder;  // Windows path of the install folder
    SimulatorVersion version = SimulatorVersion::Fs2000;
    bool writeInstallKey = true;
    // When set, a folder under "flights" that is also stored as the planner's FS2002
    // target (Files/FS2K2MoveTo), as a user would pick it in the planner's configuration.
    std::string plannerFlightsFolder;
    std::size_t airportsPerFile = 500;  // plain scenery files
    std::size_t navaidsPerFile = 500;   // compressed scenery files
};

// Scenery file names, relative to the install folder.
inline constexpr const char* kSceneryFolder = "Scenery\\World\\scenery";

// Writes the installation; false when a folder or file cannot be written.
bool WriteInstallation(const InstallationOptions& options, const SceneryContent& world);

// The registry key and value name of a version's install folder.
std::string InstallKeyPath(SimulatorVersion version);
std::string InstallValueName(SimulatorVersion version);

}  // namespace fsinstall
