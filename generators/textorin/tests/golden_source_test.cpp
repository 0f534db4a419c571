// Whole sources of the fixture routes, compared with the files kept beside the tests
// and passed through the stand-in compiler.
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

#include <gtest/gtest.h>

#include "adventure_source.h"
#include "fixture_routes.h"
#include "platform/message_box.h"
#include "source_check.h"
#include "testing/temp_environment.h"

namespace {

using namespace textorin::testing;

std::filesystem::path GoldenPath(const std::string& name) {
    const char* dir = std::getenv("QUILLET_TEST_SOURCE_DIR");
    return std::filesystem::path(dir ? dir : ".") / "tests" / "data" / name;
}

std::string ReadFile(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

// QUILLET_UPDATE_GOLDEN=1 rewrites the kept file from the generated text.
void ExpectMatchesGolden(const std::string& source, const std::string& name) {
    if (std::getenv("QUILLET_UPDATE_GOLDEN")) std::ofstream(GoldenPath(name), std::ios::binary) << source;
    std::string golden = ReadFile(GoldenPath(name));
    ASSERT_FALSE(golden.empty()) << GoldenPath(name);
    auto expected = SplitLines(golden), actual = SplitLines(source);
    for (size_t i = 0; i < std::min(expected.size(), actual.size()); ++i)
        ASSERT_EQ(expected[i], actual[i]) << name << " line " << i + 1;
    EXPECT_EQ(expected.size(), actual.size()) << name;
}

class GoldenSource : public ::testing::Test {
protected:
    platform::testing::TempEnvironment env_;
    platform::MessageBoxRecorder boxes_;
};

TEST_F(GoldenSource, OneAirport) {
    std::string source = textorin::WriteAdventureSource(OneAirportRoute().Build());
    EXPECT_TRUE(Compiles(source));
    ExpectMatchesGolden(source, "one_airport.txt");
    for (const char* absent : {"GOSUB subTakeOff", "subTakeOff:", "subSidStarHdg", "subLANDPHASE_1:", "subSID:"})
        EXPECT_EQ(source.find(absent), std::string::npos) << absent;
    EXPECT_NE(source.find("subHandleVor1:\n\nRETURN\n"), std::string::npos);
}

TEST_F(GoldenSource, TwoAirportsWithVorAndNdb) {
    std::string source = textorin::WriteAdventureSource(TwoAirportsVorNdbRoute().Build());
    EXPECT_TRUE(Compiles(source));
    ExpectMatchesGolden(source, "two_airports_vor_ndb.txt");
}

TEST_F(GoldenSource, FourAirportsWithSidStarIlsHoldingAndSounds) {
    env_.writeFile("drive_c/Quillet/Wav/Adv0001.wav", "x");
    env_.writeFile("drive_c/Quillet/Wav/Adv0002.wav", "x");
    env_.writeFile("drive_c/Quillet/Wav/ADVS003.wav", "x");
    std::string source = textorin::WriteAdventureSource(FourAirportsFullRoute("C:\\Quillet\\Wav\\").Build());
    EXPECT_TRUE(Compiles(source));
    ExpectMatchesGolden(source, "four_airports_full.txt");
    EXPECT_TRUE(boxes_.texts().empty());
}

}  // namespace
