// SPDX-License-Identifier: MIT
// The search for the controller over the termios port, on pseudo-terminals:
// a missing device, one another program holds, a silent one, the simulated
// controller and one after it.
#include <gtest/gtest.h>

#include <fcntl.h>
#include <poll.h>
#include <stdlib.h>
#include <sys/file.h>
#include <termios.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <cstring>

#include "e2e/sim_process.h"
#include "link/find_controller.h"
#include "link/port_problem.h"
#include "link/posix_serial_port.h"

using namespace tarvex;
using tarvex::testing::SimProcess;
using Bytes = std::vector<std::uint8_t>;
using Outcome = ProbedDevice::Outcome;

namespace {

// A pseudo-terminal whose device end the test holds open; what the device
// end is sent arrives at the test's end.
struct Pty {
    int master = -1, device = -1;
    std::string path;
    Pty() {
        master = ::posix_openpt(O_RDWR | O_NOCTTY | O_CLOEXEC | O_NONBLOCK);
        if (master >= 0 && ::grantpt(master) == 0 && ::unlockpt(master) == 0) {
            path = ::ptsname(master);
            device = ::open(path.c_str(), O_RDWR | O_NOCTTY | O_CLOEXEC);
        }
    }
    ~Pty() {
        ::close(device);
        ::close(master);
    }
    // The bytes sent to the device, once `count` have come (waiting
    // generously) or at once when count is 0.
    Bytes received(std::size_t count) const {
        Bytes got;
        const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(10);
        do {
            std::uint8_t buf[64];
            const ssize_t n = ::read(master, buf, sizeof buf);
            if (n > 0)
                got.insert(got.end(), buf, buf + n);
            else if (got.size() < count) {
                pollfd p{master, POLLIN, 0};
                ::poll(&p, 1, 100);
            }
        } while (got.size() < count && std::chrono::steady_clock::now() < deadline);
        return got;
    }
};

}  // namespace

TEST(FindController, OneStatusCommandEachUntilTheControllerAnswers) {
    SimProcess sim({"--no-pacing"});
    ASSERT_TRUE(sim.ready());
    Pty held, silent, after;
    ASSERT_GE(held.device, 0);
    // Another program holds this one, locked as the link locks its port.
    ASSERT_EQ(::flock(held.device, LOCK_EX | LOCK_NB), 0);
    termios held_before{}, held_after{};
    ASSERT_EQ(::tcgetattr(held.device, &held_before), 0);

    PosixSerialPort port;
    port.set_timeout_scale(20);  // a busy machine cannot make the controller's reply late
    const auto probed = find_controller(
        port, {"/nonexistent/ttyUSB9", held.path, silent.path, sim.link(), after.path});
    ASSERT_EQ(probed.size(), 4u);
    EXPECT_EQ(probed[0].outcome, Outcome::NotOpened);
    EXPECT_EQ(probed[0].open_error, ENOENT);
    EXPECT_EQ(probed[1].outcome, Outcome::NotOpened);
    EXPECT_EQ(port_problem_of(probed[1].open_error), PortProblem::HeldByAnother);
    EXPECT_EQ(probed[2].outcome, Outcome::Silent);
    EXPECT_EQ(probed[3].outcome, Outcome::Answered);
    EXPECT_EQ(found_device(probed), sim.link());
    EXPECT_FALSE(port.is_open());

    // The silent device got one status command; the held one nothing, its
    // settings untouched; the one after the controller was never opened.
    EXPECT_EQ(silent.received(4), (Bytes{0x65, 0x01, 0x01, 0x67}));
    EXPECT_TRUE(held.received(0).empty());
    ASSERT_EQ(::tcgetattr(held.device, &held_after), 0);
    EXPECT_EQ(std::memcmp(&held_before, &held_after, sizeof(termios)), 0);
    EXPECT_TRUE(after.received(0).empty());
}
