#include "wx/rules_location.h"

#include "platform/paths.h"
#include "platform/settings_store.h"

namespace wx {

std::string RulesFilePath() {
    const platform::Profile profile("Quillet Applications", "Quillet");
    // The planner keeps the directory with its final backslash; one is put in if not.
    return platform::JoinWindowsPath(profile.GetString("FILES", "Directory", "C:\\Quillet\\"), "AdvWx.rul");
}

}  // namespace wx
