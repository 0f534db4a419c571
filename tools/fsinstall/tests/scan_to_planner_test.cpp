// The stand-in's scenery scanned as the builder's Create Db scans it, and the databases
// it writes read by the planner: the sample ILS comes with the kind that the map draws
// as a beam and that the landing's ILS question and the approach chart look up.
#include <gtest/gtest.h>

#include "aerodrex/aerodrex.h"
#include "fsinstall/installation.h"
#include "fsinstall/sample_world.h"
#include "gathrel/bgl_scan.h"
#include "map/nav_database.h"
#include "platform/message_box.h"
#include "testing/temp_environment.h"

namespace fsinstall {
namespace {

constexpr char kBaseDirectory[] = "C:\\Quillet\\";

TEST(ScanToPlanner, TheLandingFindsTheSampleIlsOnItsRunway) {
    platform::testing::TempEnvironment env;
    platform::MessageBoxRecorder boxes;
    InstallationOptions options;
    options.folder = "C:\\FS2002";
    options.version = SimulatorVersion::Fs2002;
    options.writeInstallKey = false;
    ASSERT_TRUE(WriteInstallation(options, SampleWorld()));
    gathrel::ScanProgress progress;
    const gathrel::ScanReport report =
        gathrel::RunBglScan({options.folder, {}, gathrel::DatabasePathsIn(kBaseDirectory)}, progress);
    ASSERT_EQ(report.outcome, gathrel::ScanOutcome::Written);

    trevalo::NavDatabase database(kBaseDirectory);
    ASSERT_EQ(database.LoadAirportFile(), 0);
    ASSERT_EQ(database.LoadIlsFile(), 0);
    // KSPF's runway 16L (heading 160), which ISPF serves.
    int left = -1;
    for (const int position : database.AirportLinesWithIdent("KSPF", 10)) {
        if (GetAirportRnw(database.AirportLine(position + 1).data()) == 'L') left = position + 1;
    }
    ASSERT_GT(left, 0);
    const int found = database.FindIlsForRunway(left, 160.0);
    ASSERT_GT(found, 0);
    const trevalo::IlsRecord& ils = database.ils[static_cast<std::size_t>(found)];
    EXPECT_STREQ(ils.id, "ISPF");
    EXPECT_EQ(ils.type, static_cast<int>(IlsKind::WithGlideSlope));
    EXPECT_TRUE(boxes.texts().empty());
}

}  // namespace
}  // namespace fsinstall
