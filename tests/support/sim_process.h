// SPDX-License-Identifier: MIT
#pragma once

#include <string>
#include <vector>

#include "support/child_process.h"

namespace tarvex::testing {

// tarvex-sim as a child process, serving on a pseudo-terminal behind a link.
class SimProcess {
  public:
    // Starts the simulator with --link at a fresh path and the extra options,
    // and waits until the link exists (ready() tells whether it did).
    // With log_file, the simulator's output (--verbose frames) goes there.
    explicit SimProcess(std::vector<std::string> extra_args = {}, std::string link = {},
                        std::string log_file = {});
    ~SimProcess();
    SimProcess(const SimProcess&) = delete;
    SimProcess& operator=(const SimProcess&) = delete;

    const std::string& link() const { return link_; }
    bool ready() const { return ready_; }
    void signal(int sig) { child_.signal(sig); }
    // SIGTERM and wait; true when it exited with code 0.
    bool stop();
    // SIGKILL and wait: the device vanishes without the link being removed.
    // The link stays until remove_link().
    void kill_hard() { child_.kill(); }

    // Waits (generously) until the simulator's output, which must go to a
    // log file, holds text the given number of times; false when it never did.
    bool wait_for_output(const std::string& text, int times = 1) const;

    void remove_link();
    static std::string sim_path();
    static std::string fresh_link_path();

  private:
    ChildProcess child_;
    bool ready_ = false;
    std::string link_;
    std::string log_file_;
};

}  // namespace tarvex::testing
