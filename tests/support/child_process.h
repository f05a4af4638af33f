// SPDX-License-Identifier: MIT
#pragma once

#include <sys/types.h>

#include <chrono>
#include <string>
#include <utility>
#include <vector>

namespace tarvex::testing {

// What a child process is started with.
struct ChildLaunch {
    ChildLaunch(std::vector<std::string> args = {}, std::string folder = {},
                std::vector<std::string> environment = {}, std::string output_file = {})
        : argv(std::move(args)),
          cwd(std::move(folder)),
          env(std::move(environment)),
          output(std::move(output_file)) {}
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
    // Waits for the end: its wait status, or -1 while it still runs at the deadline.
    int wait_for_end(std::chrono::milliseconds deadline);
    // SIGTERM, then SIGKILL if it has not ended within the grace time; the
    // wait status, or -1 when nothing ran.
    int stop(std::chrono::milliseconds grace = std::chrono::seconds(5));
    // SIGKILL, and waits for it.
    void kill();

  private:
    pid_t pid_ = -1;
};

// A command run to its end.
struct RunResult {
    int exit_code = -1;  // -1 when it did not exit normally
    std::string out, err;
};

// Runs a command to its end (killed after the timeout), its standard output
// and error collected apart. Its standard output goes elsewhere with `to`:
// closed ("-"), a pipe whose reader has gone ("|"), or the file named.
RunResult run_to_end(const ChildLaunch& launch,
                     std::chrono::milliseconds timeout = std::chrono::seconds(120),
                     const std::string& to = {});

}  // namespace tarvex::testing
