// SPDX-License-Identifier: MIT
// Work handed to the termios port is done once, while its next read waits
// for the controller, or at once when no read will wait.
#include <gtest/gtest.h>

#include "link/link_state.h"
#include "ports/posix_serial_port.h"
#include "support/sim_process.h"

using namespace tarvex;
using tarvex::testing::SimProcess;

TEST(PortWait, WorkIsDoneOnceWhileTheNextReadWaits) {
    SimProcess sim({"--no-pacing"});
    ASSERT_TRUE(sim.ready());
    PosixSerialPort port;
    LinkState link;
    link.port = &port;
    link.devices.device[0] = sim.link();
    ControllerImage image;
    poll_status(link, image);
    ASSERT_EQ(link.NoConnection, 0);

    std::vector<std::string> done;
    port.while_next_read_waits([&] { done.push_back("first"); });
    EXPECT_TRUE(done.empty());
    // Handed over again before a read: only the last is done.
    port.while_next_read_waits([&] { done.push_back("second"); });
    port.purge_transmit();
    EXPECT_TRUE(done.empty());
    poll_status(link, image);  // its read does the work, and is answered all the same
    EXPECT_EQ(done, std::vector<std::string>{"second"});
    EXPECT_EQ(link.NoConnection, 0);
    read_live(link, image);
    EXPECT_EQ(done.size(), 1u);
    EXPECT_EQ(image.LiveFrame[0], 0x65);

    // Dropped work is never done.
    port.while_next_read_waits([&] { done.push_back("dropped"); });
    port.while_next_read_waits({});
    poll_status(link, image);
    EXPECT_EQ(done.size(), 1u);

    // A closed port's reads do not wait: the work is done at once.
    close_port(link);
    port.while_next_read_waits([&] { done.push_back("closed"); });
    EXPECT_EQ(done.back(), "closed");
    // Closed after the work was handed over: done by the next read.
    port.while_next_read_waits([&] { done.push_back("then closed"); });
    poll_status(link, image);
    EXPECT_EQ(done.back(), "then closed");
    port.while_next_read_waits([&] { done.push_back("last"); });
    port.close();
    std::array<std::uint8_t, 4> buf{};
    EXPECT_EQ(port.read(buf), 0u);
    EXPECT_EQ(done.back(), "last");
}
