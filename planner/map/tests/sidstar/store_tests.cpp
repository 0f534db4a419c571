#include "map/sidstar_store.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "platform/message_box.h"
#include "testing/temp_environment.h"

namespace trevalo {
namespace {

constexpr const char* kCannotRead =
    "The file could not be created.\nPlease ensure that the file is not been used,\n"
    "and that you have access to the directory\n";

Procedure Named(const char* ident) {
    Procedure procedure;
    procedure.header.airportIdent = "KSEA";
    procedure.header.runway = "L16";
    procedure.header.type = kSidType;
    procedure.header.procedureIdent = ident;
    return procedure;
}

TEST(SidStarStoreTest, SavesFindsAndDeletesByPositionAndIdentity) {
    platform::testing::TempEnvironment environment;
    platform::MessageBoxRecorder recorder;
    const SidStarStore store("C:\\Quillet");
    Procedure first = Named("SEA1");
    Procedure second = Named("SEA2");
    ASSERT_TRUE(store.Save(47.4, 122.3, first));
    ASSERT_TRUE(store.Save(47.9, 122.9, second));
    EXPECT_EQ(second.header.number, 2);
    ASSERT_TRUE(store.Find(47.0, 122.0, {2, "KSEA", "L16"}));
    EXPECT_EQ(store.Find(47.0, 122.0, {2, "KSEA", "L16"})->procedure.header.procedureIdent, "SEA2");
    EXPECT_FALSE(store.Find(-47.0, 122.0, {2, "KSEA", "L16"}));
    ASSERT_TRUE(store.Delete(47.0, 122.0, {1, "KSEA", "L16"}));
    EXPECT_EQ(store.Find(47.0, 122.0, {1, "KSEA", "L16"})->procedure.header.procedureIdent, "SEA2");
    EXPECT_FALSE(store.Delete(47.0, 122.0, {2, "KSEA", "L16"}));
    EXPECT_TRUE(recorder.texts().empty());
}

TEST(SidStarStoreTest, UnreadableFileIsReportedAndHoldsNoRecord) {
    platform::testing::TempEnvironment environment;
    std::filesystem::create_directories(environment.driveC() / "Quillet" / "SidStar" / "LATN047LONW122.adf");
    platform::MessageBoxRecorder recorder;
    const SidStarStore store("C:\\Quillet\\");
    EXPECT_FALSE(store.Find(47.0, 122.0, {1, "KSEA", "L16"}));
    Procedure procedure = Named("SEA1");
    EXPECT_FALSE(store.Save(47.0, 122.0, procedure));
    EXPECT_EQ(recorder.texts(), (std::vector<std::string>{kCannotRead, kCannotRead}));
}

}  // namespace
}  // namespace trevalo
