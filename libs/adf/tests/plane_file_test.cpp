#include "adf/plane_file.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "testing/temp_environment.h"

namespace {

constexpr const char* kLear45Block =
    "[lear45]\n"
    "cruise alt:41000\nland speed:140\nclmb speed:250\ncrse speed:440\ndesc speed:280\nland speed:140\n"
    "land flaps:40\nhas flaps:0\n"
    "V1:120\nV2:135\nVA:-1\nVAPP:150\nVFE:-1\nVLE:-1\nVLO:-1\nVMC:-1\nVMO:-1\nVNE:-1\nVNO:-1\nVR:128\n"
    "VREF:-1\nVS:-1\nVSO:95\nVTT:-1\nVX:-1\nVY:-1\n";

adf::PlanePerformance Lear45() {
    return {.planeName = "Lear45",
            .finalFlaps = 40,
            .landingSpeed = 140,
            .vapp = 150,
            .vr = 128,
            .vso = 95,
            .v1 = 120,
            .v2 = 135,
            .climbSpeed = 250,
            .cruiseSpeed = 440,
            .cruiseAltitude = 41000,
            .descentSpeed = 280};
}

TEST(PlaneFile, SavingPutsThePlaneFirstAndKeepsTheOthersLowerCasedAndTrimmed) {
    const std::string old =
        "cruise alt:7\r\n[C182]\r\n  CRUISE ALT:8000  \r\nV1:55\r\n[Lear45]\r\ncruise "
        "alt:1\r\nVS:3\r\n[b737_400]\r\nvs:90\r\n";
    EXPECT_EQ(adf::PlaneFileText(old, Lear45()),
              std::string(kLear45Block) + "\n[c182]\ncruise alt:8000\nv1:55\n[b737_400]\nvs:90\n");
    EXPECT_EQ(adf::PlaneFileText("", Lear45()), kLear45Block);
    EXPECT_EQ(adf::PlaneFileText(" \r\n", Lear45()), kLear45Block);
}

TEST(PlaneFile, ReadsTheBlockOfThePlaneOnly) {
    const std::string text = std::string("[c182]\ncruise alt:8000\nvso:40\n") + kLear45Block + "[concorde]\nv1:200\n";
    EXPECT_EQ(adf::ReadPlaneBlock(text, "LEAR45"), [] {
        auto p = Lear45();
        p.planeName = "LEAR45";
        return p;
    }());
    // "vso:" is not "vs:", "vapp:" not "va:", "has flaps:" sets the flag.
    const adf::PlanePerformance c182 = adf::ReadPlaneBlock("[C182]\nVSO:40\nVAPP:70\nhas flaps:1\nVR:55\n", "C182");
    EXPECT_EQ(c182.vso, 40);
    EXPECT_EQ(c182.vs, -1);
    EXPECT_EQ(c182.vapp, 70);
    EXPECT_EQ(c182.va, -1);
    EXPECT_EQ(c182.vr, 55);
    EXPECT_TRUE(c182.noFlaps);
    EXPECT_EQ(adf::ReadPlaneBlock(text, "Extra300"), adf::PlanePerformance{.planeName = "Extra300"});
}

TEST(PlaneFile, SavedByAtomicReplaceAndReadBack) {
    platform::testing::TempEnvironment env;
    const std::string path = adf::PlaneFilePath("C:\\Quillet\\");
    EXPECT_EQ(path, "C:\\Quillet\\QuilletPlane.adp");
    EXPECT_FALSE(adf::LoadPlane(path, "Lear45").has_value());
    std::filesystem::create_directories(env.driveC() / "Quillet");
    ASSERT_TRUE(adf::SavePlane(path, Lear45()));
    const auto host = env.driveC() / "Quillet" / "QuilletPlane.adp";
    EXPECT_TRUE(env.readFile(host).starts_with("[lear45]\r\ncruise alt:41000\r\n"));
    EXPECT_EQ(adf::LoadPlane(path, "Lear45"), Lear45());

    adf::PlanePerformance c182{.planeName = "C182", .cruiseAltitude = 8000};
    ASSERT_TRUE(adf::SavePlane(path, c182));
    EXPECT_EQ(adf::LoadPlane(path, "Lear45"), Lear45());
    EXPECT_EQ(adf::LoadPlane(path, "C182")->cruiseAltitude, 8000);

    const std::string before = env.readFile(host);
    std::filesystem::permissions(host, std::filesystem::perms::owner_read);
    EXPECT_FALSE(adf::SavePlane(path, Lear45()));
    EXPECT_EQ(env.readFile(host), before);
}

TEST(PlaneFile, MachReadout) {
    EXPECT_EQ(adf::MachReadout(160), "0.28");
    EXPECT_EQ(adf::MachReadout(0), "0.00");
}

}  // namespace
