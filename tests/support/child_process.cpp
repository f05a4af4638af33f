// SPDX-License-Identifier: MIT
#include "support/child_process.h"

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <utility>

#include "support/wait.h"

extern char** environ;

namespace tarvex::testing {

namespace {

using Clock = std::chrono::steady_clock;
constexpr int kClosed = -2;  // a standard descriptor the child does not get

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

// Forks; the child gets out_fd on 1, err_fd on 2 (-1: /dev/null, kClosed:
// none), pass_fd on 3, and dies with the parent. Everything it needs is
// prepared before the fork.
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
        _exit(126);
    const int null_fd = ::open("/dev/null", O_RDWR);
    dup2(null_fd, 0);
    const int fds[2] = {out_fd, err_fd};
    for (int i = 0; i < 2; ++i) {
        if (fds[i] == kClosed)
            ::close(1 + i);
        else
            dup2(fds[i] >= 0 ? fds[i] : null_fd, 1 + i);
    }
    if (launch.pass_fd == 3)
        fcntl(3, F_SETFD, 0);  // dup2 onto itself would keep it closed on exec
    else if (launch.pass_fd >= 0)
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
    if (pid_ > 0 && waitpid(pid_, nullptr, WNOHANG) == pid_)
        pid_ = -1;
    return pid_ > 0;
}

void ChildProcess::signal(int sig) {
    if (pid_ > 0)
        ::kill(pid_, sig);
}

int ChildProcess::wait_for_end(std::chrono::milliseconds deadline) {
    int status = -1;
    if (pid_ <= 0 || !wait_until([&] { return waitpid(pid_, &status, WNOHANG) == pid_; }, deadline))
        return -1;
    pid_ = -1;
    return status;
}

int ChildProcess::stop(std::chrono::milliseconds grace) {
    if (pid_ <= 0)
        return -1;
    ::kill(pid_, SIGTERM);
    const int status = wait_for_end(grace);
    kill();
    return status;
}

void ChildProcess::kill() {
    if (pid_ <= 0)
        return;
    ::kill(pid_, SIGKILL);
    waitpid(pid_, nullptr, 0);
    pid_ = -1;
}

RunResult run_to_end(const ChildLaunch& launch, std::chrono::milliseconds timeout,
                     const std::string& to) {
    RunResult run;
    int out[2] = {-1, -1}, err[2];
    const bool piped = to.empty() || to == "|";
    if ((piped && pipe2(out, O_CLOEXEC) != 0) || pipe2(err, O_CLOEXEC) != 0)
        return run;
    if (to == "|")
        ::close(std::exchange(out[0], -1));
    else if (to == "-")
        out[1] = kClosed;
    else if (!piped)
        out[1] = ::open(to.c_str(), O_WRONLY | O_CLOEXEC);
    const pid_t pid = spawn(launch, out[1], err[1]);
    if (out[1] >= 0)
        ::close(out[1]);
    ::close(err[1]);
    pollfd fds[2] = {{out[0], POLLIN, 0}, {err[0], POLLIN, 0}};
    std::string* sinks[2] = {&run.out, &run.err};
    const auto deadline = Clock::now() + timeout;
    while (fds[0].fd >= 0 || fds[1].fd >= 0) {
        const auto left =
            std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now()).count();
        const int ready = left > 0 ? ::poll(fds, 2, static_cast<int>(left)) : 0;
        if (ready < 0 && errno == EINTR)
            continue;
        if (ready <= 0) {
            ::kill(pid, SIGKILL);
            break;
        }
        for (int i = 0; i < 2; ++i) {
            if (fds[i].fd < 0 || !(fds[i].revents & (POLLIN | POLLHUP)))
                continue;
            char buf[65536];
            const ssize_t n = ::read(fds[i].fd, buf, sizeof buf);
            if (n > 0)
                sinks[i]->append(buf, static_cast<std::size_t>(n));
            else if (n == 0 || errno != EINTR)
                ::close(std::exchange(fds[i].fd, -1));
        }
    }
    for (const pollfd& p : fds)
        if (p.fd >= 0)
            ::close(p.fd);
    int status = 0;
    waitpid(pid, &status, 0);
    run.exit_code = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return run;
}

}  // namespace tarvex::testing
