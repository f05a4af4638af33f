// SPDX-License-Identifier: MIT
#include "e2e/cli_process.h"

#include <fcntl.h>
#include <poll.h>
#include <sys/wait.h>
#include <unistd.h>

namespace tarvex::testing {

std::string cli_path() {
    return TARVEX_CLI_PATH;
}

CliRun run_cli(const std::vector<std::string>& args, const std::string& dir,
               const std::string& to) {
    CliRun run;
    int out[2], err[2];
    if (pipe(out) != 0 || pipe(err) != 0)
        return run;
    if (to == "|")
        ::close(out[0]);
    std::vector<std::string> copy = args;
    std::string path = cli_path();
    std::vector<char*> argv{path.data()};
    for (auto& a : copy)
        argv.push_back(a.data());
    argv.push_back(nullptr);
    const pid_t pid = fork();
    if (pid == 0) {
        if (!dir.empty() && chdir(dir.c_str()) != 0)
            _exit(126);
        dup2(out[1], 1);
        dup2(err[1], 2);
        if (to == "-")
            ::close(1);
        else if (!to.empty() && to != "|")
            dup2(::open(to.c_str(), O_WRONLY), 1);
        ::close(out[0]);
        ::close(err[0]);
        execv(argv[0], argv.data());
        _exit(127);
    }
    ::close(out[1]);
    ::close(err[1]);
    pollfd fds[2] = {{to == "|" ? -1 : out[0], POLLIN, 0}, {err[0], POLLIN, 0}};
    std::string* sinks[2] = {&run.out, &run.err};
    int open_fds = to == "|" ? 1 : 2;
    while (open_fds > 0 && ::poll(fds, 2, -1) > 0) {
        for (int i = 0; i < 2; ++i) {
            if (fds[i].fd < 0 || !(fds[i].revents & (POLLIN | POLLHUP)))
                continue;
            char buf[4096];
            const ssize_t n = ::read(fds[i].fd, buf, sizeof buf);
            if (n > 0) {
                sinks[i]->append(buf, static_cast<std::size_t>(n));
            } else {
                ::close(fds[i].fd);
                fds[i].fd = -1;
                --open_fds;
            }
        }
    }
    int status = 0;
    waitpid(pid, &status, 0);
    run.exit_code = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return run;
}

}  // namespace tarvex::testing
