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

#include "ports/posix_serial_port.h"
#include "support/file_text.h"
#include "support/sim_process.h"
#include "support/wait.h"

using namespace tarvex;
using namespace tarvex::testing;
namespace fs = std::filesystem;

namespace {

// tarvex started in a folder of its own, off-screen, its output in a file.
ChildLaunch tarvex_in(const fs::path& start_folder) {
    return {{TARVEX_PATH},
            start_folder.string(),
            {"QT_QPA_PLATFORM=offscreen"},
            (start_folder / "tarvex.out").string()};
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

        ChildProcess tarvex(tarvex_in(folder));
        ASSERT_GT(tarvex.pid(), 0);
        // Running once the controller sees its polls; the port is then held.
        EXPECT_TRUE(sim.wait_for_output("<- 65 01 01 67")) << read_all(folder / "tarvex.out");
        PosixSerialPort probe;
        EXPECT_TRUE(wait_until(
            [&] {
                if (!probe.open(sim.link()))
                    return true;
                probe.close();
                return false;
            },
            kStartDeadline))
            << "tarvex does not hold the port";

        tarvex.signal(sig);
        const int status = tarvex.wait_for_end(std::chrono::seconds(60));
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
