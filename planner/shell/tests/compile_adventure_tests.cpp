// The compile step against the stand-in compiler (beside the tests as DuzE.exe).
#include "shell/compile_adventure.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>
#include <thread>

#include "platform/message_box.h"
#include "platform/paths.h"
#include "shell/settings.h"
#include "testing/temp_environment.h"

namespace trevalo {
namespace {

namespace fs = std::filesystem;

constexpr const char* kGoodSource = "\tDECLARE i\r\nsubRUN:\r\n\ti = 1\r\nRETURN\r\n";
constexpr const char* kBadSource = "\tIF TRUE\r\n";

class CompileAdventureTest : public ::testing::Test {
protected:
    fs::path Host(const std::string& windowsPath) const { return platform::HostPath(windowsPath); }
    void WriteSource(const std::string& windowsPath, const std::string& text) const {
        fs::create_directories(Host(windowsPath).parent_path());
        env_.writeFile(fs::relative(Host(windowsPath), env_.root()).string(), text);
    }
    std::string Read(const std::string& windowsPath) const {
        return platform::testing::TempEnvironment::readFile(Host(windowsPath));
    }
    bool Exists(const std::string& windowsPath) const { return fs::exists(Host(windowsPath)); }
    // Nothing of any run is left in the temporary folder.
    bool TempFolderEmpty() const { return !fs::exists(env_.tempDir()) || fs::is_empty(env_.tempDir()); }
    void UseCompilerScript(const std::string& body) const {
        const auto path = env_.writeFile("drive_c/Tools/Compiler", "#!/bin/sh\n" + body + "\n");
        ::chmod(path.c_str(), 0755);
        Settings().WriteString(SettingId::AdventureBuild, "C:\\Tools\\Compiler");
    }

    platform::testing::TempEnvironment env_;
};

TEST_F(CompileAdventureTest, ResultIsThisRunsCompiledAdventure) {
    const struct {
        const char* name;
        const char* source;  // the source's path
        const char* text;
        const char* staleAdv;  // an older .adv beside the source, or null
        bool compiled;
    } cases[] = {
        {"good source", "C:\\Quillet\\Flight\\Flight.txt", kGoodSource, nullptr, true},
        {"bad source", "C:\\Quillet\\Flight\\Flight.txt", kBadSource, nullptr, false},
        {"stale .adv and a bad source", "C:\\Quillet\\Flight\\Flight.txt", kBadSource, "old", false},
        {"stale .adv and a good source", "C:\\Quillet\\Flight\\Flight.txt", kGoodSource, "old", true},
        {"blanks in the folder", "C:\\Quillet\\My Flight\\My Flight.txt", kGoodSource, nullptr, true},
        {"four-letter extension", "C:\\Quillet\\Flight\\Flight.text", kGoodSource, nullptr, true},
    };
    for (const auto& test : cases) {
        SCOPED_TRACE(test.name);
        const std::string source = test.source;
        const std::string target = source.substr(0, source.size() - 3) + "adv";
        WriteSource(source, test.text);
        if (test.staleAdv != nullptr) WriteSource(target, test.staleAdv);
        platform::MessageBoxRecorder boxes;

        EXPECT_EQ(CompileAdventure(source), test.compiled);
        EXPECT_EQ(Exists(target), test.compiled);
        if (test.compiled) {
            EXPECT_EQ(Read(target).rfind("ADVENTURE\r\n", 0), 0u);
        }
        EXPECT_TRUE(boxes.texts().empty());
        EXPECT_EQ(Read(source), test.text);
        EXPECT_TRUE(TempFolderEmpty());
        fs::remove_all(Host(platform::WindowsFolderPart(source)));
    }
}

TEST_F(CompileAdventureTest, MissingSourceOrCompilerIsReported) {
    platform::MessageBoxRecorder boxes;
    EXPECT_FALSE(CompileAdventure(""));
    EXPECT_FALSE(CompileAdventure("C:\\Quillet\\None\\None.txt"));

    WriteSource("C:\\Quillet\\Flight\\Flight.txt", kGoodSource);
    Settings().WriteString(SettingId::AdventureBuild, "C:\\Quillet\\NoCompiler.exe");
    EXPECT_FALSE(CompileAdventure("C:\\Quillet\\Flight\\Flight.txt"));
    // A source named like its own result is not overwritten.
    Settings().WriteString(SettingId::AdventureBuild, "C:\\Quillet\\DuzE.exe");
    WriteSource("C:\\Quillet\\Flight\\Flight.adv", kGoodSource);
    EXPECT_FALSE(CompileAdventure("C:\\Quillet\\Flight\\Flight.adv"));
    EXPECT_EQ(Read("C:\\Quillet\\Flight\\Flight.adv"), kGoodSource);

    ASSERT_EQ(boxes.shown().size(), 3u);
    EXPECT_EQ(boxes.shown()[0].text, kBuildSourceMissingMessage);
    EXPECT_EQ(boxes.shown()[1].text, kBuildCompilerMissingMessage);
    EXPECT_EQ(boxes.shown()[2].text, kBuildCompilerMissingMessage);
    for (const auto& box : boxes.shown()) EXPECT_EQ(box.icon, platform::MbIcon::Stop);
}

TEST_F(CompileAdventureTest, TemporaryFolderWithBlanksIsQuotedOnTheCommandLine) {
    const fs::path spaced = env_.root() / "temp with blanks";
    fs::create_directories(spaced);
    ::setenv("QUILLET_TEMP", spaced.c_str(), 1);
    // Compiles only when the work file arrives as one argument.
    UseCompilerScript(
        "f=$(printf %s \"$2\" | tr '\\\\' /)\n"
        "[ \"$#\" = 2 ] && [ -f \"$f\" ] && cp \"$f\" \"$(dirname \"$f\")/Build.adv\"");
    WriteSource("C:\\Quillet\\Flight\\Flight.txt", kGoodSource);
    EXPECT_TRUE(CompileAdventure("C:\\Quillet\\Flight\\Flight.txt"));
    EXPECT_TRUE(fs::is_empty(spaced));
    ::setenv("QUILLET_TEMP", env_.tempDir().c_str(), 1);
}

TEST_F(CompileAdventureTest, TwoRunsAtOnceKeepTheirOwnWorkFiles) {
    // Each source compiles to an adventure holding its own statement.
    WriteSource("C:\\Quillet\\One\\One.txt", "subRUN:\r\n\tPRINT \"one\"\r\nRETURN\r\n");
    WriteSource("C:\\Quillet\\Two\\Two.txt", "subRUN:\r\n\tPRINT \"two\"\r\nRETURN\r\n");
    bool one = false, two = false;
    std::thread first([&] { one = CompileAdventure("C:\\Quillet\\One\\One.txt"); });
    std::thread second([&] { two = CompileAdventure("C:\\Quillet\\Two\\Two.txt"); });
    first.join();
    second.join();
    EXPECT_TRUE(one);
    EXPECT_TRUE(two);
    EXPECT_NE(Read("C:\\Quillet\\One\\One.adv").find("\"one\""), std::string::npos);
    EXPECT_NE(Read("C:\\Quillet\\Two\\Two.adv").find("\"two\""), std::string::npos);
    EXPECT_TRUE(TempFolderEmpty());
}

TEST_F(CompileAdventureTest, CompilerThatDoesNotEndIsEndedAndFails) {
    // Writes its result, then hangs: a result of a run that never ended does not count.
    UseCompilerScript("echo ADVENTURE > \"$(dirname \"$2\")/Build.adv\"; sleep 30");
    WriteSource("C:\\Quillet\\Flight\\Flight.txt", kGoodSource);
    const auto start = std::chrono::steady_clock::now();
    EXPECT_FALSE(CompileAdventure("C:\\Quillet\\Flight\\Flight.txt", std::chrono::milliseconds(300)));
    const auto elapsed = std::chrono::steady_clock::now() - start;
    EXPECT_GE(elapsed, std::chrono::milliseconds(300));
    EXPECT_LT(elapsed, std::chrono::seconds(10));
    EXPECT_FALSE(Exists("C:\\Quillet\\Flight\\Flight.adv"));
    EXPECT_TRUE(TempFolderEmpty());
}

}  // namespace
}  // namespace trevalo
