// SPDX-License-Identifier: MIT
#include "support/sim_process.h"

#include <sys/wait.h>
#include <unistd.h>

#include <atomic>
#include <filesystem>

#include "support/file_text.h"
#include "support/wait.h"

namespace tarvex::testing {

void SimProcess::remove_link() {
    ::unlink(link_.c_str());
}

std::string SimProcess::sim_path() {
    return TARVEX_SIM_PATH;
}

std::string SimProcess::fresh_link_path() {
    static std::atomic<int> n{0};
    return "/tmp/tarvex-test-" + std::to_string(getpid()) + "-" + std::to_string(n++);
}

SimProcess::SimProcess(std::vector<std::string> extra_args, std::string link, std::string log_file)
    : link_(link.empty() ? fresh_link_path() : std::move(link)), log_file_(std::move(log_file)) {
    ChildLaunch launch{{sim_path(), "--link", link_}, {}, {}, log_file_};
    launch.argv.insert(launch.argv.end(), extra_args.begin(), extra_args.end());
    // A link left dangling by an earlier, killed simulator would look ready;
    // the new simulator replaces it anyway.
    std::error_code ec;
    if (std::filesystem::is_symlink(link_, ec) && !std::filesystem::exists(link_, ec))
        remove_link();
    child_.start(launch);
    ready_ = wait_until([&] { return std::filesystem::is_symlink(link_, ec); }, kStartDeadline);
}

bool SimProcess::wait_for_output(const std::string& text, int times) const {
    return wait_until(
        [&] {
            const std::string log = read_all(log_file_);
            int found = 0;
            for (auto at = log.find(text); at != std::string::npos; at = log.find(text, at + 1))
                ++found;
            return found >= times;
        },
        kStartDeadline);
}

SimProcess::~SimProcess() {
    if (child_.pid() > 0) {
        kill_hard();
        remove_link();
    }
}

bool SimProcess::stop() {
    const int status = child_.stop(kStartDeadline);
    return status != -1 && WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

}  // namespace tarvex::testing
