// The map's capture mode, a maintenance aid: three clicks give a marker point and a
// rectangle, appended as two land records to Land.nav of the base directory.
#pragma once

#include <optional>
#include <string>

#include "map/nav_database.h"

namespace trevalo {

inline constexpr const char* kCaptureLandFile = "Land.nav";

class LandCapture {
public:
    // Stores the click (arc-seconds) as the next capture point; after the third returns the
    // two records and starts again.
    std::optional<std::string> AddPoint(MapPoint point);
    int Count() const { return count_; }

private:
    static constexpr int kPoints = 3;
    MapPoint points_[kPoints];
    int count_ = 0;
};

// One record: "w:%04.06f\nx:%04.06f\ny:%04.06f\nz:%04.06f\n".
std::string LandRecord(double w, double x, double y, double z);

// Appends to the base directory's Land.nav, all or nothing; false when the file is
// missing (it is not created), read-only or cannot take the records (a full disk).
bool AppendToLandFile(const std::string& baseDirectory, const std::string& records);
// The same for the capture mode's clicks: a failure is shown in a message box.
bool CaptureToLandFile(const std::string& baseDirectory, const std::string& records);

}  // namespace trevalo
