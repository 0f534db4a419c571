// The weather file of Basic mode: <title>.wx beside the definition, one record made by
// Flitmark from the weather page's choices. Until the weather page makes its own file
// (Advanced mode too), Create adventure makes this one.
#pragma once

#include <string>

#include "adf/wizard_values.h"

namespace trevalo {

// False when the definition is missing or the file cannot be written; Advanced mode
// makes nothing here and counts as done.
bool CreateBasicWeatherFile(const adf::WizardValues& values, const std::string& adfPath);

}  // namespace trevalo
