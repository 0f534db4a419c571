// The builder's answer to what must wait while its worker runs.
#pragma once

#include "gathrel/builder_job.h"

namespace gathrelapp {

inline constexpr const char* kBusyMessage = "The System is Sorting the Counties,\nPlease Wait";
inline constexpr const char* kBusyCaption = "Sorting data";

// True, after the message, while the worker runs.
bool RefusedWhileBusy(const gathrel::BuilderJob& job);

}  // namespace gathrelapp
