// The planes the simulator has installed, as the wizard's general and plane pages list
// them: the titles of each aircraft folder's Aircraft.cfg, or a fixed list when no
// simulator folder is known or it holds no aircraft folder.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace trevalo {

// The list offered without a simulator folder.
inline constexpr const char* kFixedPlanes[] = {
    "B737_400", "BEECH_KING_AIR_350", "Bell206b", "C182",    "Concorde", "Extra300",
    "Lear45",   "MOONEY_BRAVO",       "Schweizr", "Sopcamel"};

// The installed simulator's folder with a final backslash: FS2000's install key, else
// FS2002's when that is the installation present; empty when neither is set.
std::string SimulatorFolder();

// The title of variation n in the lines of an Aircraft.cfg: the "title=" line of the
// section "[fltsim.n]", in its own case without trailing blanks; empty when there is none.
std::string AircraftTitle(const std::vector<std::string>& cfgLines, int variation);

// The titles of variations 0, 1, ... up to the first without a title.
std::vector<std::string> AircraftTitles(const std::vector<std::string>& cfgLines);

// Every title of every aircraft folder under the simulator folder, folder by folder in
// name order; the fixed list when the folder is empty or "Aircraft\*.*" matches nothing.
// An Aircraft.cfg that cannot be read gives no titles.
std::vector<std::string> InstalledPlanes(const std::string& simulatorFolder);

}  // namespace trevalo
