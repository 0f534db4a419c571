// Messages that more than one part of the SID/STAR editor shows.
#pragma once

#include "platform/message_box.h"

namespace trevalo::mapdialogs_detail {

inline constexpr const char* kEnterIdMessage = "You must enter an ID value";

inline void Inform(const char* text) { platform::MessageBox(text, {}, platform::MbIcon::Information); }

}  // namespace trevalo::mapdialogs_detail
