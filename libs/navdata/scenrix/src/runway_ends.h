// Runway end points: computing missing ends from the centre, heading and length, and
// the two logs in the root of drive C: that record computed ends and unmatched starts.
#pragma once

#include <string>

#include "scanned_runway.h"

namespace scenrix::detail {

inline constexpr const char* kCorrectionsLogPath = "C:\\QuilletCorrect.nav";
inline constexpr const char* kInvalidRunwayLogPath = "C:\\Invalid.txt";

// Moves from (latitude, longitude) in degrees, longitudes positive west, by distance arc
// minutes along courses in degrees. The sines and cosines of the point and the distance
// are worked out once for every course. A distance of 0 moves nowhere.
class GreatCircleOffsets {
public:
    GreatCircleOffsets(double distance, double latitude, double longitude);
    // The point reached along course.
    void Along(double course, double& latitude, double& longitude) const;

private:
    bool moves_;
    double latitude_, longitude_;  // degrees
    double longitudeRadians_, sinLatitude_, cosLatitude_, sinDistance_, cosDistance_;
};

// The two logs' records of one scenery file, kept in memory and appended to their
// files once when the file has been read.
struct RunwayLogs {
    std::string corrections;
    std::string invalidRunways;

    // Appends each non-empty log to its file; a log that cannot be opened is skipped.
    void Write();
};

// Computes each missing runway end from the centre as its angle text reads, and adds
// one record to the corrections log when any end was missing.
void FillRunwayEnds(ScannedRunway& runway, RunwayLogs& logs);

// Adds "%-5s, %02d/%02d, %15f" for a runway start that matched no runway.
void LogInvalidRunway(const std::string& ident, double runwayHeading, double recordHeading, RunwayLogs& logs);

}  // namespace scenrix::detail
