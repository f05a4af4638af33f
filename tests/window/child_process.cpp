// SPDX-License-Identifier: MIT
#include "window/child_process.h"

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <thread>

extern char** environ;

namespace tarvex::window_test {

namespace {

using Clock = std::chrono::steady_clock;

std::vector<std::string> merged_environment(const std::vector<std::string>& extra) {
    std::vector<std::string> env;
    for (char** e = environ; *e; ++e) {
        const std::string entry = *e;
        const std::string name = entry.substr(0, entry.find('='));
        bool replaced = false;
        for (const auto& x : extra)
            replaced = replaced || x.substr(0, x.find('=')) == name;
        if (!replaced)
            env.push_back(entry);
    }
    env.insert(env.end(), extra.begin(), extra.end());
    return env;
}

std::vector<char*> pointers(std::vector<std::string>& strings) {
    std::vector<char*> p;
    for (auto& s : strings)
        p.push_back(s.data());
    p.push_back(nullptr);
    return p;
}

// Forks; the child gets out_fd on 1, err_fd on 2 (-1: /dev/null), pass_fd on
// 3, and dies with the parent. Everything it needs is prepared before the fork.
pid_t spawn(const ChildLaunch& launch, int out_fd, int err_fd) {
    std::vector<std::string> args = launch.argv;
    std::vector<std::string> env = merged_environment(launch.env);
    std::vector<char*> argv = pointers(args);
    std::vector<char*> envp = pointers(env);
    const pid_t parent = getpid();
    const pid_t pid = fork();
    if (pid != 0)
        return pid;
    prctl(PR_SET_PDEATHSIG, SIGKILL);
    if (getppid() != parent)
        _exit(127);
    setpgid(0, 0);  // keys typed at the test's terminal do not reach it
    if (!launch.cwd.empty() && chdir(launch.cwd.c_str()) != 0)
        _exit(127);
    const int null_fd = ::open("/dev/null", O_RDWR);
    dup2(null_fd, 0);
    dup2(out_fd >= 0 ? out_fd : null_fd, 1);
    dup2(err_fd >= 0 ? err_fd : null_fd, 2);
    if (launch.pass_fd >= 0)
        dup2(launch.pass_fd, 3);
    if (std::strchr(argv[0], '/'))
        execve(argv[0], argv.data(), envp.data());
    else
        execvpe(argv[0], argv.data(), envp.data());
    _exit(127);
}

}  // namespace

void ChildProcess::start(const ChildLaunch& launch) {
    stop();
    int out_fd = -1;
    if (!launch.output.empty())
        out_fd = ::open(launch.output.c_str(), O_WRONLY | O_CREAT | O_APPEND | O_CLOEXEC, 0644);
    pid_ = spawn(launch, out_fd, out_fd);
    if (out_fd >= 0)
        ::close(out_fd);
}

ChildProcess::~ChildProcess() {
    stop();
}

bool ChildProcess::running() {
    if (pid_ <= 0)
        return false;
    if (waitpid(pid_, nullptr, WNOHANG) == pid_)
        pid_ = -1;
    return pid_ > 0;
}

void ChildProcess::signal(int sig) {
    if (pid_ > 0)
        ::kill(pid_, sig);
}

void ChildProcess::stop(std::chrono::milliseconds grace) {
    if (pid_ <= 0)
        return;
    ::kill(pid_, SIGTERM);
    const auto deadline = Clock::now() + grace;
    while (Clock::now() < deadline) {
        if (waitpid(pid_, nullptr, WNOHANG) == pid_) {
            pid_ = -1;
            return;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    ::kill(pid_, SIGKILL);
    waitpid(pid_, nullptr, 0);
    pid_ = -1;
}

int run_command(const std::vector<std::string>& argv, const std::vector<std::string>& env,
                std::string* output, std::chrono::milliseconds timeout) {
    int fds[2];
    if (pipe2(fds, O_CLOEXEC) != 0)
        return -1;
    ChildLaunch launch;
    launch.argv = argv;
    launch.env = env;
    const pid_t pid = spawn(launch, fds[1], -1);
    ::close(fds[1]);
    const auto deadline = Clock::now() + timeout;
    char buf[65536];
    for (;;) {
        const auto left =
            std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now()).count();
        pollfd p{fds[0], POLLIN, 0};
        const int ready = left > 0 ? ::poll(&p, 1, static_cast<int>(left)) : 0;
        if (ready < 0 && errno == EINTR)
            continue;
        if (ready <= 0) {
            ::kill(pid, SIGKILL);
            break;
        }
        const ssize_t n = ::read(fds[0], buf, sizeof buf);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            break;
        if (output)
            output->append(buf, static_cast<std::size_t>(n));
    }
    ::close(fds[0]);
    int status = 0;
    waitpid(pid, &status, 0);
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

}  // namespace tarvex::window_test
