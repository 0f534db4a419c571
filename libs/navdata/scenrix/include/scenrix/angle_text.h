// Readers of angle text, the position layout of the record lines: a hemisphere
// letter, degrees, "*", whole minutes, "'", hundredths of a minute, "." and
// ten-thousandths of a minute, e.g. "N047* 27'57.37".
//
// Each reader takes the text from its degrees on ("047* 27'57.37"); all but
// GetDegreeFromAngle also accept it with its letter. Text without the expected
// separators, blanks or a null pointer read as 0.0.
#pragma once

#include "scenrix/export.h"

// Whole degrees: the number before "*" (0.0 when the text starts with a letter).
SCENRIX_API double GetDegreeFromAngle(const char* text);

// Whole minutes.
SCENRIX_API double GetMinuteFromAngle(const char* text);

// Hundredths of a minute, the ten-thousandths as their fraction (57.37 for "57.37").
SCENRIX_API double GetSecondsFromAngle(const char* text);

// The number after the first "." (the ten-thousandths); 0.0 without a ".".
SCENRIX_API double GetTenthOfSecondsFromAngle(const char* text);
