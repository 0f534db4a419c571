// For the simulator link's tests: runs the stand-in simulator fsim as a separate process
// and scripts it through a pair of named pipes. Whatever happens in the test, the
// process is ended and the transfer block removed when the object goes.
#pragma once

#include <string>

#include "platform/process.h"
#include "testing/temp_environment.h"

namespace fsim::testing {

struct FsimSetup {
    bool withCabinhook = true;
    int menuItems = 7;
};

class FsimProcess {
public:
    explicit FsimProcess(const platform::testing::TempEnvironment& env, FsimSetup setup = {});
    ~FsimProcess();
    FsimProcess(const FsimProcess&) = delete;
    FsimProcess& operator=(const FsimProcess&) = delete;

    // True once fsim runs and answers its script.
    bool Ready();
    // The reply line; "<no reply>" when none came in time.
    std::string Command(const std::string& line);
    // A further reply line (after "hang", which answers before it hangs).
    std::string NextLine();
    // Ends fsim at once, as a crash would.
    void Kill();
    platform::Process& process() { return process_; }

private:
    bool OpenChannel();
    void Close();

    std::string commandPath_;
    std::string replyPath_;
    platform::Process process_;
    int commands_ = -1;
    int replies_ = -1;
    std::string pending_;
};

}  // namespace fsim::testing
