#include "platform/named_mutex.h"

#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <optional>
#include <string>
#include <thread>

#include "testing/temp_environment.h"

namespace platform {
namespace {

using Clock = std::chrono::steady_clock;

long long MillisecondsSince(Clock::time_point start) {
    return std::chrono::duration_cast<std::chrono::milliseconds>(Clock::now() - start).count();
}

// A child process that takes the mutex and holds it until it is killed.
class ChildHolder {
public:
    explicit ChildHolder(const std::string& name) {
        int ready[2];
        if (::pipe(ready) != 0) return;
        pid_ = ::fork();
        if (pid_ == 0) {
            ::close(ready[0]);
            NamedMutexLock lock(name, 5000);
            const char answer = lock.locked() ? 'y' : 'n';
            [[maybe_unused]] ssize_t written = ::write(ready[1], &answer, 1);
            for (;;) ::pause();
        }
        ::close(ready[1]);
        char answer = 0;
        holding_ = pid_ > 0 && ::read(ready[0], &answer, 1) == 1 && answer == 'y';
        ::close(ready[0]);
    }
    ~ChildHolder() { Kill(); }
    bool holding() const { return holding_; }
    void Kill() {
        if (pid_ <= 0) return;
        ::kill(pid_, SIGKILL);
        ::waitpid(pid_, nullptr, 0);
        pid_ = -1;
    }

private:
    pid_t pid_ = -1;
    bool holding_ = false;
};

TEST(NamedMutexTest, AnotherProcessWaitsItsBoundThenTakesWhatAKilledHolderLeft) {
    testing::TempEnvironment env;
    ChildHolder holder("link");
    ASSERT_TRUE(holder.holding());
    const auto start = Clock::now();
    EXPECT_FALSE(NamedMutexLock("link", 300).locked());
    EXPECT_GE(MillisecondsSince(start), 290);
    EXPECT_TRUE(NamedMutexLock("other", 0).locked());
    holder.Kill();
    EXPECT_TRUE(NamedMutexLock("link", 1000).locked());
}

TEST(NamedMutexTest, ThreadsOfOneProcessTakeTurns) {
    testing::TempEnvironment env;
    std::optional<NamedMutexLock> first(std::in_place, "link", 0);
    ASSERT_TRUE(first->locked());
    std::thread other([] { EXPECT_FALSE(NamedMutexLock("link", 100).locked()); });
    other.join();
    first.reset();
    std::thread again([] { EXPECT_TRUE(NamedMutexLock("link", 100).locked()); });
    again.join();
}

TEST(NamedMutexTest, NamesAreKeptApartPerWindowsFolder) {
    testing::TempEnvironment env;
    NamedMutexLock held("link", 0);
    ASSERT_TRUE(held.locked());
    testing::TempEnvironment other;
    EXPECT_TRUE(NamedMutexLock("link", 0).locked());
}

TEST(NamedMutexTest, AMutexWhoseSetUpWasCutShortIsSetUpAgain) {
    testing::TempEnvironment env;
    // A setter-up killed after sizing the file, before the mutex was made.
    env.writeFile("settings/windows/link.mutex", std::string(4096, '\0'));
    {
        NamedMutexLock lock("link", 1000);
        EXPECT_TRUE(lock.locked());
        EXPECT_FALSE(NamedMutexLock("link", 50).locked());  // the same thread: no second turn
    }
    EXPECT_TRUE(NamedMutexLock("link", 0).locked());
}

}  // namespace
}  // namespace platform
