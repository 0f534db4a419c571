#include "adf/wizard_values.h"

#include <utility>

namespace adf {

void ResetPages(WizardValues& values) {
    WizardValues reset;
    reset.general.plane = std::move(values.general.plane);
    reset.plane.performance = std::move(values.plane.performance);
    reset.realTime = std::move(values.realTime);
    values = std::move(reset);
}

}  // namespace adf
