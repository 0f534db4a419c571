// Numbers shared by the per-leg tables of the navigation and landing subroutines.
#pragma once

#include "../generation_run.h"

namespace textorin {

// The handler counters that name the first navaid of each kind on the leg after
// airport number leg (1, 3, 5, ...): the navaids of the earlier legs plus one.
NavaidCounts FirstNavaidNumbers(const GenerationRun& run, size_t leg);

// An ATIS frequency the COM radio can tune: 118 up to, not including, 137 MHz.
bool IsAtisFrequency(double megahertz);

}  // namespace textorin
