// SPDX-License-Identifier: MIT
#include "e2e/sim_process.h"

#include <fcntl.h>
#include <signal.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <atomic>
#include <chrono>
#include <fstream>
#include <sstream>
#include <thread>

namespace tarvex::testing {

namespace {

int spawn(const std::vector<std::string>& args, int out_fd) {
    std::vector<char*> argv;
    std::string path = SimProcess::sim_path();
    argv.push_back(path.data());
    std::vector<std::string> copy = args;
    for (auto& a : copy)
        argv.push_back(a.data());
    argv.push_back(nullptr);
    pid_t pid = fork();
    if (pid == 0) {
        if (out_fd >= 0) {
            dup2(out_fd, 1);
            dup2(out_fd, 2);
        } else {
            int devnull = ::open("/dev/null", O_WRONLY);
            dup2(devnull, 1);
            dup2(devnull, 2);
        }
        execv(argv[0], argv.data());
        _exit(127);
    }
    return pid;
}

std::string link_target(const std::string& link) {
    char buf[256];
    const ssize_t n = ::readlink(link.c_str(), buf, sizeof buf - 1);
    return n > 0 ? std::string(buf, static_cast<std::size_t>(n)) : std::string();
}

}  // namespace

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
    std::vector<std::string> args{"--link", link_};
    args.insert(args.end(), extra_args.begin(), extra_args.end());
    int log_fd = -1;
    if (!log_file_.empty())
        log_fd = ::open(log_file_.c_str(), O_WRONLY | O_CREAT | O_APPEND | O_CLOEXEC, 0644);
    // A link left dangling by an earlier, killed simulator would look ready;
    // the new simulator replaces it anyway.
    struct stat st {};
    if (!link_target(link_).empty() && ::stat(link_.c_str(), &st) != 0)
        ::unlink(link_.c_str());
    pid_ = spawn(args, log_fd);
    if (log_fd >= 0)
        ::close(log_fd);
    // A busy machine may take long to start it.
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(30);
    while (std::chrono::steady_clock::now() < deadline) {
        if (!link_target(link_).empty()) {
            ready_ = true;
            return;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
}

bool SimProcess::wait_for_output(const std::string& text) const {
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(30);
    while (std::chrono::steady_clock::now() < deadline) {
        std::ifstream in(log_file_, std::ios::binary);
        std::stringstream s;
        s << in.rdbuf();
        if (s.str().find(text) != std::string::npos)
            return true;
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    return false;
}

SimProcess::~SimProcess() {
    if (pid_ > 0) {
        kill_hard();
        remove_link();
    }
}

void SimProcess::signal(int sig) {
    if (pid_ > 0)
        ::kill(pid_, sig);
}

bool SimProcess::stop() {
    if (pid_ <= 0)
        return false;
    ::kill(pid_, SIGTERM);
    int status = 0;
    waitpid(pid_, &status, 0);
    pid_ = -1;
    return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

void SimProcess::kill_hard() {
    if (pid_ <= 0)
        return;
    ::kill(pid_, SIGKILL);
    waitpid(pid_, nullptr, 0);
    pid_ = -1;
    // A killed simulator cannot remove its link; a dangling one is harmless
    // to the port but clutters /tmp.
}

int SimProcess::run_to_end(const std::vector<std::string>& args, std::string* output) {
    int fds[2];
    if (pipe(fds) != 0)
        return -1;
    pid_t pid = spawn(args, fds[1]);
    ::close(fds[1]);
    char buf[4096];
    ssize_t n;
    while ((n = ::read(fds[0], buf, sizeof buf)) > 0)
        if (output)
            output->append(buf, static_cast<std::size_t>(n));
    ::close(fds[0]);
    int status = 0;
    waitpid(pid, &status, 0);
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

}  // namespace tarvex::testing
