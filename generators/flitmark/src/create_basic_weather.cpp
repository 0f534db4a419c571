#include "basic_weather.h"
#include "flitmark/flitmark.h"
#include "wx/wx_codec.h"
#include "wx/wx_file.h"

// The file is written whole beside the target and renamed over it, so an older file
// stays as it was when anything fails; a read-only older file is not replaced.
bool CreateBasicWeather(sBasicWeatherStruct weather) {
    if (weather.path == nullptr) return false;
    return wx::ReplaceFile(weather.path, wx::EncodeRecord(flitmark::BasicWeatherRecord(weather))) == wx::WxError::None;
}
