// The adventure definition <title>.adf as the wizard writes it and reads it back: its
// sections in file order, composed in memory and written once, and the reader that
// puts every value the writer wrote back into the wizard's values.
//
// Free texts (title, description, plane names, the briefing's texts) never forge a key
// line: tabs and stray CR become blanks, and a line that would read as a route section
// gets a leading blank.
#pragma once

#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "adf/definition.h"
#include "adf/wizard_values.h"

namespace adf {

inline constexpr const char* kPlaneDetailsMissingMessage =
    "You must enter details for the selected plane.\nPress 'Update' to Enter new values.\n(Those will be saved)";
inline constexpr const char* kPlaneNotFoundMessage =
    "The plane you previously selected can no longer be found.\nThe default plane has been selected.";
inline constexpr const char* kDefinitionNotCreatedMessage =
    "An internal error occured and the file could not be created\nPlease ensure that you disk is not "
    "full, write protected\nor that the directory is valid.\n(invalid characters are \\|/<>\":?).";

// The sections, each appending its lines (without line ends) in file order.
void AppendBriefingSections(const WizardValues& values, std::vector<std::string>& lines);
void AppendPlaneSections(const WizardValues& values, std::vector<std::string>& lines);
void AppendGeneralSections(const WizardValues& values, std::vector<std::string>& lines);
void AppendAtcSections(const WizardValues& values, std::vector<std::string>& lines);
// The route file's lines (map_internal.adf), copied whole.
void AppendRoutePart(std::span<const std::string> routeLines, std::vector<std::string>& lines);
void AppendWeatherSections(const WizardValues& values, std::vector<std::string>& lines);
void AppendSidStarSection(const WizardValues& values, std::vector<std::string>& lines);
void AppendEmergencySections(const WizardValues& values, std::vector<std::string>& lines);
// baseDirectory ends with a backslash; the sounds are in its Wav folder.
void AppendSoundSection(const WizardValues& values, std::string_view baseDirectory, std::vector<std::string>& lines);

// False when the plane has no values yet (no cruise altitude), or when the co-pilot
// calls the V-speeds out and V1, V2 or VR is not set: the definition is not written
// then (kPlaneDetailsMissingMessage, the plane page made active).
bool PlaneDetailsEntered(const WizardValues& values);

// The whole definition in file order.
std::vector<std::string> ComposeDefinition(const WizardValues& values, std::span<const std::string> routeLines,
                                           std::string_view baseDirectory);
// Writes the lines with CR LF by atomic replace: the old file stays whole on failure.
bool WriteDefinitionFile(const std::string& windowsPath, std::span<const std::string> lines);

// Puts the definition's values into values; what the definition lacks stays as it is,
// except that a missing flag reads as off. The selected plane is the definition's name;
// the general page checks it against its list. The landing slots come from the route
// part's airport sections.
void ReadDefinition(const Definition& definition, WizardValues& values);
// The first entry of the general page's plane list that equals the name, both trimmed;
// -1 when none (kPlaneNotFoundMessage, no selection).
int FindPlaneEntry(std::span<const std::string> planes, std::string_view name);

}  // namespace adf
