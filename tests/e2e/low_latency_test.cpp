// SPDX-License-Identifier: MIT
// Low-latency mode asked of the serial driver on open, through a stand-in for
// the driver-settings calls; a refusal changes nothing.
#include <gtest/gtest.h>

#include <sys/ioctl.h>

#include <cerrno>
#include <vector>

#include "link/link_state.h"
#include "ports/low_latency.h"
#include "ports/posix_serial_port.h"
#include "support/sim_process.h"

using namespace tarvex;
using tarvex::testing::SimProcess;

namespace {

// A driver as the stand-in plays it.
struct Driver {
    int get_error = 0;  // errno of TIOCGSERIAL, 0 to answer
    int set_error = 0;  // errno of TIOCSSERIAL, 0 to take it
    serial_struct held{};
    std::vector<unsigned long> calls;
    std::vector<serial_struct> set;
};
Driver* g_driver = nullptr;

int fake_ioctl(int, unsigned long request, serial_struct* info) {
    Driver& d = *g_driver;
    d.calls.push_back(request);
    const int error = request == TIOCGSERIAL ? d.get_error : d.set_error;
    if (error) {
        errno = error;
        return -1;
    }
    if (request == TIOCGSERIAL)
        *info = d.held;
    else
        d.set.push_back(*info);
    return 0;
}

}  // namespace

TEST(LowLatency, AskedOnOpenAndARefusalChangesNothing) {
    SimProcess sim({"--no-pacing"});
    ASSERT_TRUE(sim.ready());
    struct Case {
        const char* what;
        int get_error, set_error, flags;
        std::vector<unsigned long> calls;
        bool low;
    } cases[] = {
        {"driver takes it", 0, 0, ASYNC_SKIP_TEST, {TIOCGSERIAL, TIOCSSERIAL}, true},
        {"already low latency", 0, 0, ASYNC_LOW_LATENCY, {TIOCGSERIAL}, true},
        {"no such call (pseudo-terminal)", ENOTTY, 0, 0, {TIOCGSERIAL}, false},
        {"setting refused", 0, EPERM, 0, {TIOCGSERIAL, TIOCSSERIAL}, false},
        {"setting not supported", 0, EINVAL, 0, {TIOCGSERIAL, TIOCSSERIAL}, false},
    };
    for (const auto& c : cases) {
        Driver driver;
        driver.get_error = c.get_error;
        driver.set_error = c.set_error;
        driver.held.flags = c.flags;
        driver.held.baud_base = 3000000;
        driver.held.xmit_fifo_size = 64;
        g_driver = &driver;

        errno = 0;
        EXPECT_EQ(request_low_latency(0, fake_ioctl), c.low) << c.what;
        EXPECT_EQ(errno, 0) << c.what;
        EXPECT_EQ(driver.calls, c.calls) << c.what;
        if (c.calls.size() == 2 && c.set_error == 0) {
            // Only the flag is added; the driver's other settings go back as they were.
            ASSERT_EQ(driver.set.size(), 1u);
            EXPECT_EQ(driver.set[0].flags, ASYNC_SKIP_TEST | ASYNC_LOW_LATENCY);
            EXPECT_EQ(driver.set[0].baud_base, 3000000);
            EXPECT_EQ(driver.set[0].xmit_fifo_size, 64);
        }

        // The port asks on every open; whatever the answer, it opens and talks.
        driver.calls.clear();
        PosixSerialPort port;
        port.set_serial_info_ioctl(fake_ioctl);
        LinkState link;
        link.port = &port;
        link.devices.device[0] = sim.link();
        ControllerImage image;
        poll_status(link, image);
        EXPECT_EQ(driver.calls, c.calls) << c.what;
        EXPECT_EQ(port.last_open_error(), 0) << c.what;
        EXPECT_EQ(link.NoConnection, 0) << c.what;
        read_live(link, image);
        EXPECT_EQ(image.LiveFrame[0], 0x65) << c.what;
        g_driver = nullptr;
    }
}
