// CreateTxt as the planner calls it: loaded by name, on files under a temporary drive.
#include "textorin/create_txt.h"

#include <filesystem>

#include <gtest/gtest.h>

#include "fixture_routes.h"
#include "platform/dynamic_library.h"
#include "platform/message_box.h"
#include "platform/paths.h"
#include "platform/process.h"
#include "source_check.h"
#include "testing/file_size_limit.h"
#include "testing/temp_environment.h"

namespace {

using platform::MbIcon;
using platform::MbResult;
using namespace textorin::testing;

constexpr const char* kAdfPath = "C:\\Adv\\Trip.adf";

class CreateTxtTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_EQ(library_.Load("Textorin.dll"), platform::DynamicLibrary::LoadResult::Loaded) << library_.error();
        createTxt_ = library_.Function<CreateTxtFunction>("CreateTxt");
        ASSERT_NE(createTxt_, nullptr);
        env_.writeFile("drive_c/Adv/Trip.adf", TwoAirportsVorNdbRoute().Text());
    }

    std::filesystem::path Host(const std::string& windowsPath) { return platform::HostPath(windowsPath); }
    std::string Read(const std::string& windowsPath) {
        return platform::testing::TempEnvironment::readFile(Host(windowsPath));
    }

    platform::testing::TempEnvironment env_;
    platform::DynamicLibrary library_;
    CreateTxtFunction* createTxt_ = nullptr;
};

TEST_F(CreateTxtTest, DerivedPathAfterTheQuestionWritesCrLfSourceThatCompiles) {
    platform::MessageBoxRecorder boxes({MbResult::Yes});
    ASSERT_TRUE(createTxt_(kAdfPath, nullptr, 1));
    ASSERT_EQ(boxes.shown().size(), 1u);
    EXPECT_EQ(boxes.shown()[0].text, "The file does not exist would you like to create it\n\n(C:\\Adv\\Trip.txt)");
    EXPECT_EQ(boxes.shown()[0].icon, MbIcon::Question);
    std::string onDisk = Read("C:\\Adv\\Trip.txt");
    ASSERT_FALSE(onDisk.empty());
    EXPECT_NE(onDisk.find("\tTITLE \"Hop\"\r\n"), std::string::npos);
    EXPECT_EQ(onDisk.find("\r\r"), std::string::npos);
    std::string lf = onDisk;
    std::erase(lf, '\r');
    EXPECT_TRUE(Compiles(lf));
}

TEST_F(CreateTxtTest, AnswerNoWritesNothing) {
    platform::MessageBoxRecorder boxes({MbResult::No});
    EXPECT_FALSE(createTxt_(kAdfPath, "", 1));
    EXPECT_FALSE(std::filesystem::exists(Host("C:\\Adv\\Trip.txt")));
}

TEST_F(CreateTxtTest, ExistingSourceIsReplacedWhateverItsLength) {
    env_.writeFile("drive_c/Adv/Trip.txt", std::string(500000, '@'));
    for (int overwrite : {1, 0}) {
        platform::MessageBoxRecorder boxes;
        ASSERT_TRUE(createTxt_(kAdfPath, "C:\\Adv\\Trip.txt", overwrite));
        EXPECT_TRUE(boxes.shown().empty());
        std::string onDisk = Read("C:\\Adv\\Trip.txt");
        EXPECT_EQ(onDisk.find('@'), std::string::npos) << overwrite;
        EXPECT_TRUE(onDisk.ends_with("RETURN\r\n"));
    }
}

TEST_F(CreateTxtTest, RefusalsAndFailuresShowTheirMessages) {
    struct Case {
        const char* adf;
        const char* txt;
        const char* message;
        MbIcon icon;
    };
    const Case cases[] = {
        {kAdfPath, "C:\\Adv\\Trip.TXT",
         "The system was attempting to pass an invalid file\nThe created file must have a TXT Extenstion",
         MbIcon::None},
        // The derived path would be the definition itself.
        {"C:\\Adv\\Trip.def", nullptr,
         "The system was attempting to pass an invalid file\nThe created file must have a TXT Extenstion",
         MbIcon::None},
        {"C:\\Adv\\Missing.adf", nullptr,
         "An error occured while opening the adf file\nIf the file was created you might be able to retry",
         MbIcon::Information},
        {kAdfPath, "C:\\NoSuchFolder\\Out.txt",
         "An error occured while creating the new file\nError Number 2\nThe system cannot continue.",
         MbIcon::Information},
    };
    env_.writeFile("drive_c/Adv/Trip.def", TwoAirportsVorNdbRoute().Text());
    for (const Case& c : cases) {
        platform::MessageBoxRecorder boxes({MbResult::Yes});
        EXPECT_FALSE(createTxt_(c.adf, c.txt, 1)) << c.message;
        ASSERT_FALSE(boxes.shown().empty());
        EXPECT_EQ(boxes.shown().back().text, c.message);
        EXPECT_EQ(boxes.shown().back().icon, c.icon);
    }
    EXPECT_FALSE(std::filesystem::exists(Host("C:\\Adv\\Trip.TXT")));
}

// A full disk, a read-only source, a kill in mid-write: false with the message of the
// step that failed (cause 13 is a full disk, 5 a denied access) and the old source kept.
// Only a source that is not there is asked about.
TEST_F(CreateTxtTest, AFailedWriteKeepsTheOldSourceAndSaysSo) {
    using platform::testing::AtFileSizeLimit;
    constexpr std::uint64_t kLimit = 4096;
    const std::string old(20000, '@');
    struct Case {
        const char* why;
        bool existing;
        bool readOnly;
        AtFileSizeLimit atLimit;
        int exitCode;  // 0: false returned, 1: true returned, -1: killed
        const char* message;
    };
    const Case cases[] = {
        {"full disk, existing source", true, false, AtFileSizeLimit::WriteFails, 0,
         "An error occured while editing the existing file\nError Number 13\nThe system cannot continue."},
        {"full disk, new source", false, false, AtFileSizeLimit::WriteFails, 0,
         "The file does not exist would you like to create it\n\n(C:\\Adv\\Trip.txt)\n"
         "An error occured while creating the new file\nError Number 13\nThe system cannot continue."},
        {"read-only source", true, true, AtFileSizeLimit::WriteFails, 0,
         "An error occured while editing the existing file\nError Number 5\nThe system cannot continue."},
        {"killed in mid-write", true, false, AtFileSizeLimit::WriterDies, -1, ""},
    };
    const std::filesystem::path source = Host("C:\\Adv\\Trip.txt");
    for (const Case& c : cases) {
        SCOPED_TRACE(c.why);
        std::filesystem::remove(source);
        if (c.existing) env_.writeFile("drive_c/Adv/Trip.txt", old);
        if (c.readOnly) std::filesystem::permissions(source, std::filesystem::perms::owner_read);
        const auto outcome = platform::testing::RunWithFileSizeLimit(kLimit, c.atLimit, [&](std::string& report) {
            platform::MessageBoxRecorder boxes({MbResult::Yes});
            const bool created = createTxt_(kAdfPath, nullptr, 1);
            for (const std::string& text : boxes.texts()) report += (report.empty() ? "" : "\n") + text;
            return created ? 1 : 0;
        });
        EXPECT_EQ(outcome.exitCode, c.exitCode);
        EXPECT_EQ(outcome.report, c.message);
        if (c.existing) {
            EXPECT_EQ(Read("C:\\Adv\\Trip.txt"), old);
            std::filesystem::permissions(source, std::filesystem::perms::owner_write,
                                         std::filesystem::perm_options::add);
        } else {
            EXPECT_FALSE(std::filesystem::exists(source));
        }
    }
}

// A definition outside the drives' folders is not reached, and no source is written there.
TEST_F(CreateTxtTest, PathsNeverLeaveTheDrivesFolders) {
    const auto outside = env_.writeFile("outside/Trip.adf", TwoAirportsVorNdbRoute().Text());
    const std::string escapes[] = {"C:\\Adv\\..\\..\\outside\\Trip.adf", outside.string()};
    for (const std::string& adf : escapes) {
        platform::MessageBoxRecorder boxes({MbResult::Yes});
        EXPECT_FALSE(createTxt_(adf.c_str(), nullptr, 1)) << adf;
        EXPECT_FALSE(std::filesystem::exists(env_.root() / "outside" / "Trip.txt")) << adf;
    }
}

// Each fixture route through the loaded CreateTxt, then through the stand-in compiler
// as the planner starts it (" -q <source>"): Build.adv beside the source, no build.err.
TEST_F(CreateTxtTest, EveryFixtureRouteCompilesWithTheStandInCompiler) {
    env_.writeFile("drive_c/Quillet/Wav/Adv0001.wav", "x");
    const std::pair<const char*, DefinitionBuilder> routes[] = {
        {"One", OneAirportRoute()},
        {"Two", TwoAirportsVorNdbRoute()},
        {"Four", FourAirportsFullRoute("C:\\Quillet\\Wav\\")},
    };
    for (const auto& [name, route] : routes) {
        std::string folder = std::string("C:\\Fixture") + name + "\\";
        env_.writeFile("drive_c/Fixture" + std::string(name) + "/Trip.adf", route.Text());
        platform::MessageBoxRecorder boxes({MbResult::Yes});
        ASSERT_TRUE(createTxt_((folder + "Trip.adf").c_str(), nullptr, 1)) << name;

        platform::Process compiler;
        ASSERT_TRUE(compiler.Start("DuzE.exe", " -q " + folder + "Trip.txt", Host(folder).string(),
                                   platform::ShowMode::Hidden));
        ASSERT_TRUE(compiler.Wait());
        EXPECT_TRUE(std::filesystem::exists(Host(folder + "Build.adv"))) << name;
        EXPECT_FALSE(std::filesystem::exists(Host(folder + "build.err"))) << name << "\n" << Read(folder + "build.err");
    }
}

}  // namespace
