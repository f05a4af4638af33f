// SPDX-License-Identifier: MIT
// The real tarvex, started off-screen against tarvex-sim and ended by a signal:
// it must end as File > Exit ends it, leaving the port free for the next user.
#include <fcntl.h>
#include <signal.h>
#include <sys/ioctl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <functional>
#include <sstream>
#include <thread>

#include "e2e/sim_process.h"
#include "ports/posix_serial_port.h"
#include "support/file_text.h"

using namespace tarvex;
using tarvex::testing::SimProcess;
namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;

using tarvex::testing::read_all;

namespace {

// Waits for a condition, checking every 20 ms, for at most a minute.
bool eventually(const std::function<bool()>& condition) {
    const auto deadline = Clock::now() + std::chrono::seconds(60);
    while (!condition()) {
        if (Clock::now() > deadline)
            return false;
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    return true;
}

// tarvex started in a folder of its own, off-screen, its output in a file.
pid_t start_tarvex(const fs::path& start_folder) {
    const std::string out = (start_folder / "tarvex.out").string();
    const pid_t pid = fork();
    if (pid == 0) {
        if (::chdir(start_folder.c_str()) != 0)
            _exit(126);
        const int fd = ::open(out.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
        dup2(fd, 1);
        dup2(fd, 2);
        ::setenv("QT_QPA_PLATFORM", "offscreen", 1);
        execl(TARVEX_PATH, TARVEX_PATH, static_cast<char*>(nullptr));
        _exit(127);
    }
    return pid;
}

// The exit status once the process ended, or -1 when it was still running
// after a minute (it is then killed).
int wait_for_exit(pid_t pid) {
    int status = 0;
    if (eventually([&] { return ::waitpid(pid, &status, WNOHANG) == pid; }))
        return status;
    ::kill(pid, SIGKILL);
    ::waitpid(pid, &status, 0);
    return -1;
}

}  // namespace

TEST(ProgramExit, ASignalEndsTheProgramAsExitDoesAndFreesThePort) {
    for (int sig : {SIGTERM, SIGINT}) {
        const fs::path folder =
            fs::temp_directory_path() / ("tarvex-exit-" + std::to_string(::getpid()));
        fs::remove_all(folder);
        fs::create_directories(folder);
        const std::string log = (folder / "sim.log").string();
        SimProcess sim({"--no-pacing", "--verbose", "--ports-file",
                        (folder / "Tarvex.ports").string(), "--com", "1"},
                       {}, log);
        ASSERT_TRUE(sim.ready());

        const pid_t pid = start_tarvex(folder);
        ASSERT_GT(pid, 0);
        // Running once the controller sees its polls; the port is then held.
        EXPECT_TRUE(eventually([&] {
            return read_all(log).find("<- 65 01 01 67") != std::string::npos;
        })) << read_all(folder / "tarvex.out");
        PosixSerialPort probe;
        EXPECT_TRUE(eventually([&] {
            if (!probe.open(sim.link()))
                return true;
            probe.close();
            return false;
        })) << "tarvex does not hold the port";

        ::kill(pid, sig);
        const int status = wait_for_exit(pid);
        EXPECT_TRUE(WIFEXITED(status)) << "signal " << sig << ", status " << status;
        EXPECT_EQ(WEXITSTATUS(status), 0) << "signal " << sig;

        // The port is free at once and no longer in exclusive mode.
        const int fd = ::open(sim.link().c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK);
        ASSERT_GE(fd, 0) << "signal " << sig;
        int exclusive = -1;
        EXPECT_EQ(::ioctl(fd, TIOCGEXCL, &exclusive), 0);
        EXPECT_EQ(exclusive, 0) << "signal " << sig;
        ::close(fd);
        EXPECT_TRUE(probe.open(sim.link())) << "signal " << sig;
        probe.close();
        fs::remove_all(folder);
    }
}
