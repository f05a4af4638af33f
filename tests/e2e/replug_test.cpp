// SPDX-License-Identifier: MIT
// The termios port when its device goes away while open: a pseudo-terminal
// whose other side is closed, a link to it that vanishes. The port lets go of
// the device at once, and the link's next polls open it again when it returns.
#include <gtest/gtest.h>

#include <fcntl.h>
#include <stdlib.h>
#include <unistd.h>

#include "e2e/fd_scan.h"
#include "link/link_state.h"
#include "ports/posix_serial_port.h"
#include "support/sim_process.h"

using namespace tarvex;
using tarvex::testing::holds_open;
using tarvex::testing::link_target;
using tarvex::testing::SimProcess;

TEST(Replug, AHungUpDeviceIsLetGoAtOnce) {
    const auto cmd = command_frame(1, 1);
    // The port finds the hang-up by a read or by a write.
    for (const bool by_write : {false, true}) {
        const int master = ::posix_openpt(O_RDWR | O_NOCTTY | O_CLOEXEC);
        ASSERT_GE(master, 0);
        ASSERT_EQ(::grantpt(master), 0);
        ASSERT_EQ(::unlockpt(master), 0);
        const std::string node = ::ptsname(master);
        PosixSerialPort port;
        ASSERT_TRUE(port.open(node));
        EXPECT_TRUE(holds_open(node));
        ::close(master);  // the other side goes away
        std::array<std::uint8_t, 4> buf{};
        EXPECT_EQ(by_write ? port.write(cmd) : port.read(buf), 0u);
        EXPECT_FALSE(port.is_open()) << by_write;
        EXPECT_FALSE(holds_open(node)) << by_write;
        // Nothing moves until the next open; closing again is harmless.
        EXPECT_EQ(port.write(cmd), 0u);
        port.close();
    }
}

TEST(Replug, AVanishedNodeIsALostLinkAndItsReturnIsPickedUp) {
    SimProcess sim({"--no-pacing"});
    ASSERT_TRUE(sim.ready());
    const std::string pts = link_target(sim.link());
    PosixSerialPort port;
    LinkState link;
    link.port = &port;
    link.devices.device[0] = sim.link();
    ControllerImage image;
    poll_status(link, image);
    ASSERT_EQ(link.NoConnection, 0);

    // The node vanishes while the controller behind it would still answer.
    sim.remove_link();
    poll_status(link, image);
    EXPECT_EQ(link.FailedPolls, 1);
    EXPECT_FALSE(port.is_open());
    EXPECT_FALSE(holds_open(pts));
    poll_status(link, image);
    poll_status(link, image);
    EXPECT_EQ(link.NoConnection, 1);
    EXPECT_EQ(link.PollPeriod, 500);
    poll_status(link, image);
    EXPECT_EQ(port.last_open_error(), ENOENT);

    // Back under the same name: the next poll opens it and is answered.
    ASSERT_EQ(::symlink(pts.c_str(), sim.link().c_str()), 0);
    poll_status(link, image);
    EXPECT_EQ(link.NoConnection, 0);
    EXPECT_EQ(link.PollPeriod, 50);
    EXPECT_TRUE(port.is_open());
}
