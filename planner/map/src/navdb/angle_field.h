// Positions of the record lines: angle-text fields turned into signed arc-seconds.
#pragma once

#include <string>

namespace trevalo {

// A trimmed angle field split into its hemisphere letter and the angle text after it.
// A field without a letter takes the fallback letter.
struct AngleField {
    char hemisphere = 0;
    std::string angle;  // from the degrees on
};

AngleField SplitAngleField(const char* field, char fallbackHemisphere);

// (degrees + (minutes + h / 100) / 60) x 3600, the fraction taking the sign of the
// degrees, h the hundredths of a minute. withExtraHundredths adds the two digits after
// the "." once more as hundredths, as the runway's first end is read.
double DmsToArcSeconds(const std::string& angle, bool withExtraHundredths = false);

// Signed arc-seconds of a field: "W" and "S" count negative.
double SignedArcSeconds(const AngleField& field, bool withExtraHundredths = false);

}  // namespace trevalo
