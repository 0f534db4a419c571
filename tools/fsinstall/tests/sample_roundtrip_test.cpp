// The sample installation read back through the scenery reader.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "beaconex/beaconex.h"
#include "fsinstall/installation.h"
#include "fsinstall/sample_world.h"
#include "platform/message_box.h"
#include "platform/numbers.h"
#include "scenery_line_checks.h"
#include "testing/temp_environment.h"

namespace fsinstall {
namespace {

class SampleRoundTripTest : public ::testing::Test {
protected:
    void SetUp() override {
        options_.folder = "C:\\FS2000";
        options_.airportsPerFile = 1;
        options_.navaidsPerFile = 2;
        ASSERT_TRUE(WriteInstallation(options_, world_));
        lines_ = testing::ReadInstallationScenery(options_.folder);
    }

    platform::testing::TempEnvironment env_;
    platform::MessageBoxRecorder boxes_;
    InstallationOptions options_;
    SceneryContent world_ = SampleWorld();
    testing::GatheredLines lines_;
};

TEST_F(SampleRoundTripTest, EveryRunwayComesBack) {
    std::size_t expected = 0;
    for (const Airport& airport : world_.airports) {
        for (std::size_t i = 0; i < airport.runways.size(); ++i) {
            ASSERT_LT(expected, lines_.airports.size());
            SCOPED_TRACE(airport.ident);
            testing::ExpectRunwayLine(airport, airport.runways[i], lines_.airports[expected++]);
        }
    }
    EXPECT_EQ(lines_.airports.size(), expected);
    EXPECT_TRUE(boxes_.texts().empty());
}

TEST_F(SampleRoundTripTest, EveryNavaidComesBackWithItsFrequency) {
    ASSERT_EQ(lines_.navaids.size(), world_.ndbs.size() + world_.vors.size());
    auto find = [&](const std::string& ident) -> std::string {
        for (const std::string& line : lines_.navaids) {
            char id[11];
            GetNavaidsID(id, line.c_str());
            if (std::string(id).rfind(ident + " ", 0) == 0) return line;
        }
        return {};
    };
    for (const Ndb& ndb : world_.ndbs) {
        const std::string line = find(ndb.ident);
        ASSERT_FALSE(line.empty()) << ndb.ident;
        char type[4], freq[21];
        GetNavaidsType(type, line.c_str());
        GetNavaidsFreq(freq, line.c_str());
        EXPECT_STREQ(type, ndb.kilohertz == 0.0 ? "GPS" : "NDB");
        EXPECT_NEAR(platform::LeadingDouble(freq), ndb.kilohertz, 1e-9) << ndb.ident;
    }
    for (const Vor& vor : world_.vors) {
        const std::string line = find(vor.ident);
        ASSERT_FALSE(line.empty()) << vor.ident;
        char type[4], freq[21];
        GetNavaidsType(type, line.c_str());
        GetNavaidsFreq(freq, line.c_str());
        EXPECT_STREQ(type, vor.kind == VorKind::Vor ? "VOR" : "ILS");
        EXPECT_NEAR(platform::LeadingDouble(freq), 108.0 + 0.05 * vor.channel, 1e-9) << vor.ident;
    }
}

TEST_F(SampleRoundTripTest, IlsBeamComesBackWithItsRunwaySide) {
    ASSERT_EQ(lines_.ils.size(), 1u);
    const std::string& line = lines_.ils.front();
    EXPECT_EQ(line.size(), 92u);
    EXPECT_NEAR(GetilsFreq(line.c_str()), 110.3, 1e-6);
    EXPECT_NEAR(GetilsHdg(line.c_str()), 160.0, 1e-3);
    EXPECT_EQ(GetilsRnw(line.c_str()), 'L');
    EXPECT_NEAR(GetilsMagVar(line.c_str()), -5.0, 1e-6);
}

TEST_F(SampleRoundTripTest, ReadingTwiceAddsNothingKnown) {
    const testing::GatheredLines again = testing::ReadInstallationScenery(options_.folder);
    // A second scan on its own finds the same lines.
    EXPECT_EQ(again.navaids, lines_.navaids);
    EXPECT_EQ(again.airports, lines_.airports);
}

}  // namespace
}  // namespace fsinstall
