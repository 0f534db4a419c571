// Wizard pages whose controls are still to come. Each shows its caption and a note;
// Create adventure uses the values the wizard holds for it (its defaults, or those of
// the definition opened last).
#pragma once

#include <iterator>
#include <string>

#include "adf/wizard_values.h"
#include "qtplatform/property_page.h"

namespace trevalo {

inline constexpr const char* kPendingPageNote =
    "The controls of this page come with a later version of the planner.\n"
    "Create adventure uses the values the wizard holds for it: its defaults,\n"
    "or those of the adventure definition opened last.";

class PendingPage : public qtplatform::PropertyPage {
public:
    enum Control : int { kNote = 1050 };
    explicit PendingPage(std::string caption);
};

// The page numbered N of the wizard, with its caption. Made with the wizard's values, as
// the pages that replace it are.
template <int N>
class NumberedPendingPage : public PendingPage {
public:
    static constexpr const char* kCaptions[] = {"",        "General Info", "General Help", "Flight Plan",
                                                "Weather", "Landing",      "Emergency",    "ATC Sound",
                                                "Planes",  "Briefing",     "Real Time"};
    static_assert(N >= 1 && N < static_cast<int>(std::size(kCaptions)));
    explicit NumberedPendingPage(adf::WizardValues&) : PendingPage(kCaptions[N]) {}
};

using CWizardPage1 = NumberedPendingPage<1>;
using CWizardPage2 = NumberedPendingPage<2>;
using CWizardPage4 = NumberedPendingPage<4>;
using CWizardPage5 = NumberedPendingPage<5>;

}  // namespace trevalo
