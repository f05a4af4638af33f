// SPDX-License-Identifier: MIT
#pragma once

#include <sys/types.h>

#include <chrono>
#include <string>
#include <vector>

namespace tarvex::window_test {

// What a child process is started with.
struct ChildLaunch {
    std::vector<std::string> argv;  // argv[0] is looked up in PATH unless it holds a '/'
    std::string cwd;                // empty: the test's own
    std::vector<std::string> env;   // "NAME=value" added to (or replacing in) the environment
    std::string output;             // file for standard output and error; empty: /dev/null
    int pass_fd = -1;               // a descriptor the child gets as descriptor 3
};

// A child process that dies with the test: it is stopped by the destructor,
// and killed by the kernel if the test process itself dies first.
class ChildProcess {
  public:
    ChildProcess() = default;
    explicit ChildProcess(const ChildLaunch& launch) { start(launch); }
    ~ChildProcess();
    ChildProcess(const ChildProcess&) = delete;
    ChildProcess& operator=(const ChildProcess&) = delete;

    // Starts the process (stopping one started before).
    void start(const ChildLaunch& launch);
    pid_t pid() const { return pid_; }
    bool running();
    void signal(int sig);
    // SIGTERM, then SIGKILL if it has not ended within the grace time.
    void stop(std::chrono::milliseconds grace = std::chrono::seconds(5));

  private:
    pid_t pid_ = -1;
};

// Runs a command to its end (killed after the timeout) and collects its
// standard output. Returns its exit code, or -1 when it did not end normally.
int run_command(const std::vector<std::string>& argv, const std::vector<std::string>& env,
                std::string* output, std::chrono::milliseconds timeout = std::chrono::seconds(20));

}  // namespace tarvex::window_test
