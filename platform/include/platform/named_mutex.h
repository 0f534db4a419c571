// A mutex shared by name between the processes of this user, kept apart per windows
// folder (windows.h) as shared memory is. A holder that ends, however it ends, leaves it
// free, as an abandoned mutex is handed to the next waiter; one that stops without
// ending holds it, so every wait has a bound.
#pragma once

#include <string>

#include "platform/export.h"

namespace platform {

struct NamedMutexRegion;

// Holds the named mutex for its lifetime, once taken.
class PLATFORM_API NamedMutexLock {
public:
    // Waits at most timeoutMs milliseconds for the mutex; locked() tells whether it came.
    NamedMutexLock(const std::string& name, int timeoutMs);
    ~NamedMutexLock();
    NamedMutexLock(const NamedMutexLock&) = delete;
    NamedMutexLock& operator=(const NamedMutexLock&) = delete;

    bool locked() const { return locked_; }

private:
    NamedMutexRegion* region_ = nullptr;  // mapped while the object lives
    bool locked_ = false;
};

}  // namespace platform
