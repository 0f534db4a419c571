// The mutex lives in a small file of the windows folder, mapped by every process that
// takes it: a robust, process-shared pthread mutex, which the kernel frees when its
// holder dies. The file's flock guards only the mutex's first set-up.
#include "platform/named_mutex.h"

#include <fcntl.h>
#include <pthread.h>
#include <sys/file.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <chrono>
#include <cstdint>
#include <ctime>
#include <filesystem>
#include <system_error>
#include <thread>

#include "window_registry.h"

namespace platform {

struct NamedMutexRegion {
    std::atomic<std::uint32_t> ready;  // kReady once the mutex is set up
    pthread_mutex_t mutex;
};

namespace {

using Clock = std::chrono::steady_clock;

constexpr std::uint32_t kReady = 0x584D5451;  // "QTMX"
constexpr const char* kMutexSuffix = ".mutex";
constexpr auto kSetUpRetryPause = std::chrono::microseconds(200);

std::filesystem::path MutexPath(const std::string& name) {
    std::string file;
    for (char c : name) file += (c == '/') ? '_' : c;
    return detail::WindowsFolder() / (file + kMutexSuffix);
}

// nullptr when the file cannot be mapped.
NamedMutexRegion* MapView(int fd) {
    void* view = ::mmap(nullptr, sizeof(NamedMutexRegion), PROT_READ | PROT_WRITE, MAP_SHARED, fd, 0);
    return view == MAP_FAILED ? nullptr : static_cast<NamedMutexRegion*>(view);
}

bool IsReady(const NamedMutexRegion& region) { return region.ready.load(std::memory_order_acquire) == kReady; }

bool InitialiseMutex(NamedMutexRegion& region) {
    pthread_mutexattr_t attributes;
    if (::pthread_mutexattr_init(&attributes) != 0) return false;
    const bool made = ::pthread_mutexattr_setpshared(&attributes, PTHREAD_PROCESS_SHARED) == 0 &&
                      ::pthread_mutexattr_setrobust(&attributes, PTHREAD_MUTEX_ROBUST) == 0 &&
                      ::pthread_mutexattr_settype(&attributes, PTHREAD_MUTEX_ERRORCHECK) == 0 &&
                      ::pthread_mutex_init(&region.mutex, &attributes) == 0;
    ::pthread_mutexattr_destroy(&attributes);
    if (made) region.ready.store(kReady, std::memory_order_release);
    return made;
}

// Under the file's lock, so only one process sets the mutex up; a process that died
// setting it up left it unready, and the next one starts again. Waits no longer than
// the deadline for the file's lock.
bool SetUp(int fd, NamedMutexRegion*& region, Clock::time_point deadline) {
    while (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
        if ((errno != EWOULDBLOCK && errno != EINTR) || Clock::now() >= deadline) return false;
        std::this_thread::sleep_for(kSetUpRetryPause);
    }
    struct stat info {};
    bool ok = ::fstat(fd, &info) == 0 && (static_cast<std::size_t>(info.st_size) >= sizeof(NamedMutexRegion) ||
                                          ::ftruncate(fd, sizeof(NamedMutexRegion)) == 0);
    if (ok && region == nullptr) region = MapView(fd);
    ok = ok && region != nullptr && (IsReady(*region) || InitialiseMutex(*region));
    ::flock(fd, LOCK_UN);
    return ok;
}

NamedMutexRegion* MapRegion(const std::string& name, Clock::time_point deadline) {
    const std::filesystem::path path = MutexPath(name);
    std::error_code ignored;
    std::filesystem::create_directories(path.parent_path(), ignored);
    const int fd = ::open(path.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, S_IRUSR | S_IWUSR);
    if (fd < 0) return nullptr;
    NamedMutexRegion* region = nullptr;
    struct stat info {};
    if (::fstat(fd, &info) == 0 && static_cast<std::size_t>(info.st_size) >= sizeof(NamedMutexRegion))
        region = MapView(fd);
    if (region == nullptr || !IsReady(*region)) {
        if (!SetUp(fd, region, deadline) && region != nullptr) {
            ::munmap(region, sizeof(NamedMutexRegion));
            region = nullptr;
        }
    }
    ::close(fd);
    return region;
}

timespec MonotonicTimeAfter(int timeoutMs) {
    timespec now{};
    ::clock_gettime(CLOCK_MONOTONIC, &now);
    constexpr long kNanosecondsPerSecond = 1000000000L;
    constexpr long kNanosecondsPerMillisecond = 1000000L;
    const long nanoseconds = now.tv_nsec + (timeoutMs % 1000) * kNanosecondsPerMillisecond;
    now.tv_sec += timeoutMs / 1000 + nanoseconds / kNanosecondsPerSecond;
    now.tv_nsec = nanoseconds % kNanosecondsPerSecond;
    return now;
}

}  // namespace

NamedMutexLock::NamedMutexLock(const std::string& name, int timeoutMs) {
    const auto deadline =
        timeoutMs < 0 ? Clock::time_point::max() : Clock::now() + std::chrono::milliseconds(timeoutMs);
    region_ = MapRegion(name, deadline);
    if (region_ == nullptr) return;
    int result = 0;
    if (timeoutMs < 0) {
        result = ::pthread_mutex_lock(&region_->mutex);
    } else {
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now()).count();
        const timespec until = MonotonicTimeAfter(left > 0 ? static_cast<int>(left) : 0);
        result = ::pthread_mutex_clocklock(&region_->mutex, CLOCK_MONOTONIC, &until);
    }
    // The holder died: what it guarded may be half done, but the mutex is ours now.
    if (result == EOWNERDEAD) result = ::pthread_mutex_consistent(&region_->mutex);
    locked_ = result == 0;
}

NamedMutexLock::~NamedMutexLock() {
    if (locked_) ::pthread_mutex_unlock(&region_->mutex);
    if (region_ != nullptr) ::munmap(region_, sizeof(NamedMutexRegion));
}

}  // namespace platform
