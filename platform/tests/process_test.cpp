#include "platform/process.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>

#include <cerrno>
#include <cstdlib>
#include <fstream>
#include <thread>

#include "testing/temp_environment.h"

namespace platform {
namespace {

class ProcessTest : public ::testing::Test {
protected:
    // "/bin/sh" outside the mapped folders is C:\bin\sh, which leads to the host's shell.
    void SetUp() override {
        std::filesystem::create_directories(env_.driveC() / "bin");
        std::filesystem::create_symlink("/bin/sh", env_.driveC() / "bin" / "sh");
    }
    void WriteScript(const std::string& relative, const std::string& body) {
        const auto path = env_.writeFile(relative, "#!/bin/sh\n" + body + "\n");
        ::chmod(path.c_str(), 0755);
    }
    testing::TempEnvironment env_;
};

TEST_F(ProcessTest, ReportsExitCodes) {
    const struct {
        const char* arguments;
        int exitCode;
    } cases[] = {
        {"-c \"exit 0\"", 0},
        {"-c \"exit 3\"", 3},
        {"-c \"kill -9 $$\"", 128 + 9},
    };
    for (const auto& test : cases) {
        Process process;
        ASSERT_TRUE(process.Start("/bin/sh", test.arguments, {}, ShowMode::Hidden)) << test.arguments;
        EXPECT_GT(process.Id(), 0);
        EXPECT_TRUE(process.Wait());
        EXPECT_FALSE(process.IsRunning());
        EXPECT_EQ(process.ExitCode(), test.exitCode) << test.arguments;
    }
}

TEST_F(ProcessTest, WaitWithTimeoutReturnsWhileStillRunning) {
    Process process;
    ASSERT_TRUE(process.Start("/bin/sh", "-c \"sleep 0.3\"", {}, ShowMode::Hidden));
    EXPECT_FALSE(process.Wait(20));
    EXPECT_TRUE(process.IsRunning());
    EXPECT_FALSE(process.ExitCode());
    EXPECT_TRUE(process.Wait(10000));
    EXPECT_EQ(process.ExitCode(), 0);
}

TEST_F(ProcessTest, RunsInTheWorkingFolderWithSplitArguments) {
    std::filesystem::create_directories(env_.driveC() / "Work");
    Process process;
    ASSERT_TRUE(process.Start("/bin/sh", "-c \"pwd > out.txt; echo \\\"$1\\\" >> out.txt\" sh \"a b\"", "c:\\WORK",
                              ShowMode::Hidden));
    ASSERT_TRUE(process.Wait());
    EXPECT_EQ(testing::TempEnvironment::readFile(env_.driveC() / "Work/out.txt"),
              std::filesystem::canonical(env_.driveC() / "Work").string() + "\na b\n");
    Process missingFolder;
    EXPECT_FALSE(missingFolder.Start("/bin/sh", "-c true", "C:\\NoSuchFolder", ShowMode::Hidden));
}

TEST_F(ProcessTest, ExeNamesResolveToOurPrograms) {
    WriteScript("drive_c/Quillet/Tool", "exit 7");
    const struct {
        const char* program;
        const char* arguments;
        int exitCode;
    } cases[] = {
        {"C:\\Quillet\\Tool", "", 7},
        {"C:\\quillet\\TOOL.EXE", "", 7},                  // same folder, other case
        {"C:\\Quillet\\Platform_Test_Child.exe", "9", 9},  // beside the test binary
        {"C:\\Nowhere\\platform_test_child.exe", "\"11\"", 11},
    };
    for (const auto& test : cases) {
        Process process;
        ASSERT_TRUE(process.Start(test.program, test.arguments, {}, ShowMode::Hidden)) << test.program;
        ASSERT_TRUE(process.Wait());
        EXPECT_EQ(process.ExitCode(), test.exitCode) << test.program;
    }
    for (const char* missing : {"C:\\Quillet\\NoSuchProgram.exe", "C:\\Quillet\\Missing", "C:\\Quillet\\Tool.com"}) {
        Process process;
        EXPECT_FALSE(process.Start(missing, "", {}, ShowMode::Hidden)) << missing;
        EXPECT_FALSE(process.Wait());
    }
}

TEST_F(ProcessTest, TerminateEndsAHiddenProgramAndWhatItStarted) {
    std::filesystem::create_directories(env_.driveC() / "Work");
    Process process;
    EXPECT_FALSE(process.Terminate());
    ASSERT_TRUE(process.Start("/bin/sh", "-c \"sleep 30 & echo $! > child.pid; wait\"", "C:\\Work", ShowMode::Hidden));
    const auto pidFile = env_.driveC() / "Work/child.pid";
    std::string pidText;
    for (int i = 0; i < 500 && pidText.find('\n') == std::string::npos; ++i) {
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
        if (std::filesystem::exists(pidFile)) pidText = testing::TempEnvironment::readFile(pidFile);
    }
    ASSERT_NE(pidText.find('\n'), std::string::npos);
    const pid_t child = std::stoi(pidText);

    EXPECT_TRUE(process.Terminate());
    EXPECT_FALSE(process.IsRunning());
    EXPECT_EQ(process.ExitCode(), 128 + SIGKILL);
    // Ended once it is gone or a zombie waiting for whoever reaps orphans here.
    const auto ended = [child] {
        std::ifstream stat("/proc/" + std::to_string(child) + "/stat");
        std::string pid, name, state;
        return !(stat >> pid >> name >> state) || state == "Z";
    };
    bool childGone = false;
    for (int i = 0; i < 200 && !childGone; ++i) {
        childGone = ended();
        if (!childGone) std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    EXPECT_TRUE(childGone);
    EXPECT_FALSE(process.Terminate());
}

// Desktop programs live outside the drives, on the host's PATH.
TEST_F(ProcessTest, NamesAloneAreDesktopProgramsOnThePath) {
    WriteScript("desktop/bin/quillet-desktop-tool", "exit 5");
    struct PathGuard {
        std::string kept = std::getenv("PATH") != nullptr ? std::getenv("PATH") : "";
        ~PathGuard() { ::setenv("PATH", kept.c_str(), 1); }
    } guard;
    ::setenv("PATH", ("/nonexistent::" + (env_.root() / "desktop/bin").string()).c_str(), 1);
    EXPECT_EQ(ResolveProgram("quillet-desktop-tool"), env_.root() / "desktop/bin/quillet-desktop-tool");
    Process process;
    ASSERT_TRUE(process.Start("quillet-desktop-tool", "", {}, ShowMode::Hidden));
    ASSERT_TRUE(process.Wait());
    EXPECT_EQ(process.ExitCode(), 5);
    // A name with a folder or a drive is no desktop program.
    EXPECT_EQ(ResolveProgram("C:quillet-desktop-tool"), std::nullopt);
    EXPECT_EQ(ResolveProgram("bin\\quillet-desktop-tool"), std::nullopt);
    EXPECT_EQ(ResolveProgram("quillet-missing-tool"), std::nullopt);
}

TEST_F(ProcessTest, UnwaitedProcessIsReapedInTheBackground) {
    pid_t pid = -1;
    {
        Process process;
        ASSERT_TRUE(process.Start("/bin/sh", "-c \"sleep 0.1\"", {}, ShowMode::Hidden));
        pid = process.Id();
    }
    // Once the background reaper has collected it, the pid is no child of ours any more.
    bool reaped = false;
    for (int i = 0; i < 200 && !reaped; ++i) {
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
        int status = 0;
        reaped = ::waitpid(pid, &status, WNOHANG) < 0 && errno == ECHILD;
    }
    EXPECT_TRUE(reaped);
}

// A companion program the user closes is reaped at once, while its Process is kept and
// nobody asks about it: no zombie is left until the next question.
TEST_F(ProcessTest, AProgramThatEndsIsReapedWhileItsProcessIsKept) {
    for (const ShowMode show : {ShowMode::Shown, ShowMode::Hidden}) {
        Process process;
        ASSERT_TRUE(process.Start("/bin/sh", "-c \"exit 4\"", {}, show));
        const auto id = static_cast<id_t>(process.Id());
        // waitid with WNOWAIT looks without reaping: ECHILD once someone has reaped it.
        bool reaped = false;
        for (int i = 0; i < 300 && !reaped; ++i) {
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
            siginfo_t info{};
            reaped = ::waitid(P_PID, id, &info, WEXITED | WNOHANG | WNOWAIT) < 0 && errno == ECHILD;
        }
        EXPECT_TRUE(reaped);
        EXPECT_FALSE(process.IsRunning());
        EXPECT_EQ(process.ExitCode(), 4);
    }
}

// Under a recorder nothing starts: each start is kept and answered.
TEST_F(ProcessTest, ARecorderAnswersStartsInsteadOfStartingThem) {
    ProgramStartRecorder recorder({{true, 3}, {false, 0}});
    Process compiler;
    ASSERT_TRUE(compiler.Start("C:\\Quillet\\DuzE.exe", " -q ", "C:\\Temp", ShowMode::Hidden));
    EXPECT_FALSE(compiler.IsRunning());
    EXPECT_TRUE(compiler.Wait());
    EXPECT_EQ(compiler.ExitCode(), 3);
    EXPECT_EQ(compiler.Id(), -1);
    Process builder;
    EXPECT_FALSE(builder.Start("C:\\Quillet\\Gathrel.exe", ""));
    Process editor;
    EXPECT_TRUE(editor.Start("C:\\Quillet\\Quillet.exe", "file.txt"));  // the fallback: started

    const std::vector<ProgramStart> starts = recorder.requests();
    ASSERT_EQ(starts.size(), 3u);
    EXPECT_EQ(starts[0].program, "C:\\Quillet\\DuzE.exe");
    EXPECT_EQ(starts[0].arguments, " -q ");
    EXPECT_EQ(starts[0].workingFolder, "C:\\Temp");
    EXPECT_EQ(starts[0].show, ShowMode::Hidden);
    EXPECT_EQ(starts[1].show, ShowMode::Shown);
    EXPECT_EQ(starts[2].arguments, "file.txt");
}

}  // namespace
}  // namespace platform
