// The one weather record that the weather page's basic choices make.
#pragma once

#include "flitmark/flitmark.h"
#include "wx/wx_layout.h"

namespace flitmark {

wx::WxRecord BasicWeatherRecord(const sBasicWeatherStruct& weather);

}  // namespace flitmark
