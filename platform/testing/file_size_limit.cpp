#include "testing/file_size_limit.h"

#include <signal.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <stdexcept>

namespace platform::testing {

ChildOutcome RunWithFileSizeLimit(std::uint64_t limitBytes, AtFileSizeLimit atLimit,
                                  const std::function<int(std::string& report)>& body) {
    int channel[2];
    if (::pipe(channel) != 0) throw std::runtime_error("pipe failed");
    const pid_t pid = ::fork();
    if (pid < 0) throw std::runtime_error("fork failed");
    if (pid == 0) {
        ::close(channel[0]);
        ::signal(SIGXFSZ, atLimit == AtFileSizeLimit::WriteFails ? SIG_IGN : SIG_DFL);
        const rlimit limit{limitBytes, limitBytes};
        if (::setrlimit(RLIMIT_FSIZE, &limit) != 0) ::_exit(125);
        std::string report;
        const int code = body(report);
        for (size_t sent = 0; sent < report.size();) {
            const ssize_t written = ::write(channel[1], report.data() + sent, report.size() - sent);
            if (written <= 0) break;
            sent += static_cast<size_t>(written);
        }
        ::_exit(code);
    }
    ::close(channel[1]);
    ChildOutcome outcome;
    char buffer[4096];
    for (;;) {
        const ssize_t got = ::read(channel[0], buffer, sizeof buffer);
        if (got < 0 && errno == EINTR) continue;
        if (got <= 0) break;
        outcome.report.append(buffer, static_cast<size_t>(got));
    }
    ::close(channel[0]);
    int status = 0;
    while (::waitpid(pid, &status, 0) < 0 && errno == EINTR) {
    }
    if (WIFEXITED(status)) outcome.exitCode = WEXITSTATUS(status);
    if (WIFSIGNALED(status)) outcome.signal = WTERMSIG(status);
    return outcome;
}

}  // namespace platform::testing
