// Flitmark: writes an adventure's flight file (.flt) from its definition and flight
// plan, and its basic weather file (.wx) from the weather page's few choices.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "flitmark/export.h"

// Edits the flight file beside the definition (its title with ".flt"), which must exist.
// waypoints are the flight plan's FLT waypoint lines, each ending in "\n". False when
// the definition or the flight file is missing, the definition cannot be read, or the
// flight file cannot be read or written (it then stays as it was).
FLITMARK_API bool CreateFlt(const char* adfPath, std::vector<std::string>* waypoints);

// Appends the GPS section, built from the flight plan (title with ".pln"), to the
// flight file. False when either file cannot be read or the flight file not written.
FLITMARK_API bool AddGpsToFlt(std::string adfPath);

// The weather page's basic choices.
struct sBasicWeatherStruct {
    const char* path;    // the weather file to write
    bool wind;           // wind speed and gusts, turbulence and wind shear
    bool precipitation;  // rain with the clouds
    int32_t cloudBase;   // feet; below 1 the default layer heights are used
    int32_t visibility;  // 0 good, 1 average, 2 none
    int32_t cloudKind;   // 0 no clouds, 1 light clouds, 2 very cloudy, 3 thunderstorm
    int32_t turbulence;  // 0 none, 1 light, 2 heavy
    double temperature;  // degrees Celsius
    double variation;    // day/night variation, degrees
};

// Writes the one-record weather file at weather.path, replacing an older one. False
// when an older file is read-only or the file cannot be written.
FLITMARK_API bool CreateBasicWeather(sBasicWeatherStruct weather);

// The clock that gives CreateFlt its year: the current local year unless replaced (for
// tests). Returns the previous source; nullptr restores the local clock.
using FlitmarkYearSource = int (*)();
FLITMARK_API FlitmarkYearSource SetFlitmarkYearSource(FlitmarkYearSource source);
