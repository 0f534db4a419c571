// Compiles against the stand-in compiler, found beside the test binary.
#include "quillet/adventure_build.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "platform/process.h"
#include "testing/temp_environment.h"

namespace quillet {
namespace {

namespace fs = std::filesystem;
using platform::testing::TempEnvironment;

constexpr const char* kCompiler = "C:\\Quillet\\DuzE.exe";
constexpr const char* kGoodSource = "start:\r\n\tIF X > 2\r\n\t\tGOSUB sub\r\n\tENDIF\r\nsub:\r\n\tRETURN\r\n";
constexpr const char* kBadSource = "start:\r\n\tIF X > 2\r\n\tGOSUB nowhere\r\n";

class AdventureBuildTest : public ::testing::Test {
protected:
    // Writes a source below drive C and returns its Windows path.
    std::string Source(const std::string& relative, const char* text) {
        env_.writeFile("drive_c/" + relative, text);
        std::string path = "C:\\" + relative;
        for (char& c : path) c = c == '/' ? '\\' : c;
        return path;
    }
    fs::path HostFile(const std::string& relative) const { return env_.driveC() / relative; }
    bool TempIsEmpty() const { return !fs::exists(env_.tempDir()) || fs::is_empty(env_.tempDir()); }

    TempEnvironment env_;
};

TEST_F(AdventureBuildTest, ASoundSourceGivesItsAdventureBesideIt) {
    const std::string source = Source("My Adv/Flight.txt", kGoodSource);
    const BuildOutcome outcome = BuildAdventure(kCompiler, source, "Flight.txt");
    ASSERT_EQ(outcome.failure, BuildFailure::None);
    const auto& lines = outcome.listing.lines;
    ASSERT_EQ(lines.size(), 4u);
    EXPECT_TRUE(lines[0].starts_with("---------- ")) << lines[0];
    EXPECT_TRUE(lines[0].ends_with("build.err : Flight.txt ----------")) << lines[0];
    EXPECT_EQ(lines[1], " ");
    EXPECT_EQ(lines[2], "Flight.txt - 0 - Error(s)");
    EXPECT_EQ(lines[3], "Flight.txt (adv) - Created");
    EXPECT_TRUE(TempEnvironment::readFile(HostFile("My Adv/Flight.adv")).starts_with("ADVENTURE"));
    // The compiler's own files stay in its private folder, which is gone.
    EXPECT_FALSE(fs::exists(HostFile("My Adv/build.err")));
    EXPECT_FALSE(fs::exists(HostFile("My Adv/Build.adv")));
    EXPECT_TRUE(TempIsEmpty());
}

TEST_F(AdventureBuildTest, ErrorsNameTheDocumentAndNothingIsCopied) {
    const std::string source = Source("Adv/Flight.txt", kBadSource);
    env_.writeFile("drive_c/Adv/Flight.adv", "older build");
    env_.writeFile("drive_c/Adv/Build.adv", "a stale compiler output");
    const BuildOutcome outcome = BuildAdventure(kCompiler, source, "Flight.txt");
    ASSERT_EQ(outcome.failure, BuildFailure::None);
    EXPECT_EQ(outcome.listing.errorCount, 2);
    const std::vector<std::string> tail(outcome.listing.lines.begin() + 1, outcome.listing.lines.end());
    EXPECT_EQ(tail,
              (std::vector<std::string>{" ", source + " 2: IF not closed", source + " 3: label nowhere not defined",
                                        " ", "Flight.txt - 2 - Error(s)"}));
    EXPECT_EQ(TempEnvironment::readFile(HostFile("Adv/Flight.adv")), "older build");
    EXPECT_EQ(TempEnvironment::readFile(HostFile("Adv/Build.adv")), "a stale compiler output");
    EXPECT_TRUE(TempIsEmpty());
}

TEST_F(AdventureBuildTest, ASourceNamedBuildKeepsItsCompiledAdventure) {
    const std::string source = Source("Adv/Build.txt", kGoodSource);
    const BuildOutcome outcome = BuildAdventure(kCompiler, source, "Build.txt");
    ASSERT_EQ(outcome.failure, BuildFailure::None);
    EXPECT_EQ(outcome.listing.lines.back(), "Build.txt (adv) - Created");
    EXPECT_TRUE(TempEnvironment::readFile(HostFile("Adv/Build.adv")).starts_with("ADVENTURE"));
}

TEST_F(AdventureBuildTest, OnlyATxtExtensionGivesAnAdventure) {
    struct Case {
        const char* name;
        const char* line;
        const char* made;  // empty: nothing
    };
    const Case cases[] = {
        {"Flight.TxT", "Flight.TxT (adv) - Created", "Flight.adv"},
        {"Flight.adf", "Flight.adf (adv) - Invalid file extention found - Error 3", ""},
        {"My.txt.bak", "My.txt.bak (adv) - Invalid file extention found - Error 3", ""},
    };
    for (const Case& c : cases) {
        const std::string folder = std::string("Ext ") + c.name + "/";
        const BuildOutcome outcome = BuildAdventure(kCompiler, Source(folder + c.name, kGoodSource), c.name);
        EXPECT_EQ(outcome.listing.lines.back(), c.line);
        std::vector<std::string> made;
        for (const auto& entry : fs::directory_iterator(HostFile(folder)))
            if (entry.path().extension() == ".adv") made.push_back(entry.path().filename().string());
        EXPECT_EQ(made, *c.made ? std::vector<std::string>{c.made} : std::vector<std::string>{}) << c.name;
    }
}

TEST_F(AdventureBuildTest, ACompilerThatDoesNotStartIsNoticed) {
    const std::string source = Source("Adv/Flight.txt", kGoodSource);
    env_.writeFile("drive_c/Adv/Flight.adv", "older build");
    const BuildOutcome outcome = BuildAdventure("C:\\Quillet\\NoCompiler.exe", source, "Flight.txt");
    EXPECT_EQ(outcome.failure, BuildFailure::CompilerNotStarted);
    EXPECT_TRUE(outcome.listing.lines.empty());
    EXPECT_EQ(TempEnvironment::readFile(HostFile("Adv/Flight.adv")), "older build");
    EXPECT_TRUE(TempIsEmpty());
}

TEST_F(AdventureBuildTest, ACompilerThatEndsAsAProgramThatCannotRunIsNoticed) {
    struct Case {
        int exitCode;
        BuildFailure failure;
    };
    const Case cases[] = {
        {127, BuildFailure::CompilerDidNotRun},
        {126, BuildFailure::CompilerDidNotRun},
        {0, BuildFailure::None},  // ran and wrote nothing: listed as before
    };
    const std::string source = Source("Adv/Flight.txt", kGoodSource);
    for (const Case& c : cases) {
        platform::ProgramStartRecorder starts({{true, c.exitCode}});
        const BuildOutcome outcome = BuildAdventure(kCompiler, source, "Flight.txt");
        EXPECT_EQ(outcome.failure, c.failure) << c.exitCode;
        EXPECT_EQ(outcome.listing.lines.empty(), c.failure != BuildFailure::None) << c.exitCode;
        EXPECT_TRUE(TempIsEmpty());
    }
}

TEST_F(AdventureBuildTest, AMissingAdventureOrSourceGivesItsCode) {
    const std::string source = Source("Adv/Flight.txt", kGoodSource);
    EXPECT_EQ(CopyBuiltAdventure("Flight.txt", source, "C:\\Temp\\none\\Build.adv"), AdventureCopy::NotCompiled);
    EXPECT_EQ(CopyBuiltAdventure("Gone.txt", "C:\\Adv\\Gone.txt", source), AdventureCopy::SourceMissing);
    EXPECT_EQ(AdventureCopyLine("Gone.txt", AdventureCopy::SourceMissing),
              "Gone.txt (adv) - Cannot Locate 'err' directory - Error 2");
    EXPECT_EQ(AdventureCopyLine("F.txt", AdventureCopy::NotCompiled), "F.txt (adv) - Cannot be created - Error 1");
}

TEST_F(AdventureBuildTest, AnUntitledSourceTakesTheFirstFreeBuildName) {
    EXPECT_EQ(FreeBuildSourcePath("C:\\Quillet\\"), "C:\\Quillet\\Build1.txt");
    env_.writeFile("drive_c/Quillet/Build1.txt", "a user's file");
    env_.writeFile("drive_c/Quillet/build2.TXT", "another");
    EXPECT_EQ(FreeBuildSourcePath("C:\\Quillet\\"), "C:\\Quillet\\Build3.txt");
}

}  // namespace
}  // namespace quillet
