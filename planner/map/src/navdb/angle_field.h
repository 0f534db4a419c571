// Positions of the record lines: angle-text fields turned into signed arc-seconds.
#pragma once

namespace trevalo {

// An angle field split into its hemisphere letter and the angle text after it, which
// points into the field (blanks before it skipped). A field without a letter takes the
// fallback letter.
struct AngleField {
    char hemisphere = 0;
    const char* angle = "";  // from the degrees on, terminated with the field
};

AngleField SplitAngleField(const char* field, char fallbackHemisphere);

// (degrees + (minutes + h / 100) / 60) x 3600, the fraction taking the sign of the
// degrees, h the hundredths of a minute. withExtraHundredths adds the two digits after
// the "." once more as hundredths, as the runway's first end is read.
double DmsToArcSeconds(const char* angle, bool withExtraHundredths = false);

// Signed arc-seconds of a field: "W" and "S" count negative.
double SignedArcSeconds(const AngleField& field, bool withExtraHundredths = false);

}  // namespace trevalo
