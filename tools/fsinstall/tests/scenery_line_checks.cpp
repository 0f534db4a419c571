#include "scenery_line_checks.h"

#include <gtest/gtest.h>

#include <cmath>

#include "aerodrex/aerodrex.h"
#include "fsinstall/installation.h"
#include "navdata/angle_text.h"
#include "platform/file_search.h"
#include "platform/paths.h"
#include "scenrix/scenery_reader.h"

namespace fsinstall::testing {

namespace {

// The angle texts read back east and north positive (the reader counts west positive).
void ExpectPosition(const char* latText, const char* lonText, double latitude, double longitude,
                    const std::string& what) {
    EXPECT_NEAR(AngleTextToDegrees(latText), latitude, kPositionTolerance) << what << " latitude " << latText;
    EXPECT_NEAR(-AngleTextToDegrees(lonText), longitude, kPositionTolerance) << what << " longitude " << lonText;
}

double HeadingDifference(double a, double b) {
    const double d = std::fmod(std::fabs(a - b), 360.0);
    return d > 180.0 ? 360.0 - d : d;
}

}  // namespace

void ExpectRunwayLine(const Airport& airport, const Runway& runway, const std::string& line) {
    ASSERT_EQ(line.size(), 336u);
    ASSERT_EQ(line.back(), '\n');
    const std::string bare = line.substr(0, 335);
    const char* l = bare.c_str();
    char id[11], lat[21], lon[21], start[2][21], end[2][21];
    GetAirportID(id, l);
    const std::string what = airport.ident + " runway " + std::to_string(runway.heading);
    EXPECT_EQ(std::string(id).substr(0, airport.ident.size()), airport.ident.substr(0, 10)) << what;
    GetAirportLat(lat, l);
    GetAirportLong(lon, l);
    ExpectPosition(lat, lon, runway.latitude, runway.longitude, what + " centre");
    EXPECT_LE(HeadingDifference(GetAirportRunwayDegree(l), runway.heading), kHeadingTolerance) << what;
    EXPECT_EQ(GetAirportLenth(l), runway.length) << what;
    if (runway.start && runway.end) {
        GetAirportLatBeg(start[0], l);
        GetAirportLonBeg(start[1], l);
        GetAirportLatEnd(end[0], l);
        GetAirportLonEnd(end[1], l);
        ExpectPosition(start[0], start[1], runway.start->latitude, runway.start->longitude, what + " start");
        ExpectPosition(end[0], end[1], runway.end->latitude, runway.end->longitude, what + " end");
    }
}

GatheredLines ReadInstallationScenery(const std::string& installFolder) {
    GatheredLines gathered;
    const std::string folder = platform::JoinWindowsPath(installFolder, kSceneryFolder);
    for (const platform::FoundFile& file : platform::FindFiles(platform::JoinWindowsPath(folder, "*.bgl"))) {
        const std::string path = platform::JoinWindowsPath(folder, file.name);
        LoadDLLBGL(path.c_str(), gathered.ils, saNavaidsLinesSA, saAirportLinesSA, gathered.navaids, gathered.airports);
        gathered.navaids.insert(gathered.navaids.end(), saNavaidsLinesSA.begin(), saNavaidsLinesSA.end());
        gathered.airports.insert(gathered.airports.end(), saAirportLinesSA.begin(), saAirportLinesSA.end());
    }
    return gathered;
}

}  // namespace fsinstall::testing
