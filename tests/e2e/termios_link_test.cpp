// SPDX-License-Identifier: MIT
// The real termios port against tarvex-sim on a pseudo-terminal.
//
// The simulator answers at once, but a busy machine may not run it for a
// while. So the link's timeouts are stretched wherever a test expects a reply
// (a prompt reply is then never late), and the link's own timeouts are used
// only where a test expects none. Times are checked only where the machine
// cannot make them fail: a timeout is never shorter than it should be, and a
// read that returns well before its stretched timeout did not wait for it.
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <cerrno>
#include <chrono>
#include <cstring>
#include <fstream>

#include "link/link_state.h"
#include "ports/posix_serial_port.h"
#include "support/sim_process.h"

using namespace tarvex;
using tarvex::testing::SimProcess;
using Clock = std::chrono::steady_clock;

namespace {

// Timeouts 20 times the link's own: a status reply may be 2.8 s late.
constexpr int kStretch = 20;

struct Link {
    PosixSerialPort port;
    LinkState state;
    ControllerImage image;
    explicit Link(const std::string& device, int timeout_scale = kStretch) {
        state.port = &port;
        state.devices.device[0] = device;
        port.set_timeout_scale(timeout_scale);
    }
    // One poll of a polling view: status, then the reads when connected.
    void poll_all() {
        poll_status(state, image);
        if (state.NoConnection == 0 && controller_generation(image) == 2) {
            read_live(state, image);
            read_settings1(state, image);
            read_settings2(state, image);
        }
    }
};

double ms_since(Clock::time_point t0) {
    return std::chrono::duration<double, std::milli>(Clock::now() - t0).count();
}

}  // namespace

TEST(TermiosLink, FourReadsFillTheImageAndAWriteShowsUpInTheNextRead) {
    SimProcess sim({"--no-pacing"});
    ASSERT_TRUE(sim.ready());
    Link link(sim.link());
    link.poll_all();
    EXPECT_EQ(link.state.NoConnection, 0);
    EXPECT_EQ(link.state.PortOpen, 1);
    EXPECT_EQ(link.image.ControllerGeneration, 2);
    EXPECT_EQ(link.image.ControllerMinor, 6);
    EXPECT_EQ(link.image.LiveFrame[0], 0x65);
    EXPECT_EQ(link.image.SettingsBlock1[0], 0x65);
    EXPECT_EQ(link.image.SettingsBlock2[0], 0x65);
    EXPECT_EQ(link.image.LambdaPoint(), 23);
    EXPECT_EQ(link.image.AttInit(), 120);

    EXPECT_EQ(write_setting(link.state, link.image, 7, 27), 3);
    EXPECT_EQ(link.image.WriteAck[1], 27);
    EXPECT_EQ(write_setting(link.state, link.image, 18, 130), 3);
    link.poll_all();
    EXPECT_EQ(link.image.LambdaPoint(), 27);
    EXPECT_EQ(link.image.AttInit(), 130);

    // Factory reset, as the Reset view does it.
    link.state.WriteDelay = 250;
    link.image.WriteAck[1] = 0;
    const auto t0 = Clock::now();
    EXPECT_EQ(write_setting(link.state, link.image, 30, 51), 3);
    EXPECT_GE(ms_since(t0), 250.0);
    EXPECT_EQ(link.image.WriteAck[1], 0x33);
    link.state.WriteDelay = 0;
    link.poll_all();
    EXPECT_EQ(link.image.LambdaPoint(), 23);
}

TEST(TermiosLink, SilentSimulatorLosesTheLinkAndOneGoodReplyRecovers) {
    SimProcess sim({"--no-pacing"}, {}, SimProcess::fresh_link_path() + ".log");
    ASSERT_TRUE(sim.ready());
    Link link(sim.link());
    link.poll_all();
    ASSERT_EQ(link.state.NoConnection, 0);
    sim.signal(SIGUSR1);
    ASSERT_TRUE(sim.wait_for_output("tarvex-sim: silent"));
    link.port.set_timeout_scale(1);
    for (int i = 1; i <= 3; ++i) {
        const auto t0 = Clock::now();
        poll_status(link.state, link.image);
        // A silent controller costs the status read's whole timeout.
        EXPECT_GE(ms_since(t0), 140.0);
        EXPECT_EQ(link.state.NoConnection, i < 3 ? 0 : 1) << i;
    }
    EXPECT_EQ(link.state.PollPeriod, 500);
    EXPECT_EQ(link.state.PortOpen, 0);
    EXPECT_EQ(link.image.LiveFrame[0], 0);
    EXPECT_EQ(link.image.StatusFrame[0], 0x65);

    sim.signal(SIGUSR1);
    ASSERT_TRUE(sim.wait_for_output("tarvex-sim: answering"));
    link.port.set_timeout_scale(kStretch);
    link.poll_all();
    EXPECT_EQ(link.state.NoConnection, 0);
    EXPECT_EQ(link.state.FailedPolls, 0);
    EXPECT_EQ(link.state.PollPeriod, 50);
    EXPECT_EQ(link.image.LiveFrame[0], 0x65);
}

TEST(TermiosLink, StoppedSimulatorIsLostAndARestartIsPickedUp) {
    const std::string path = SimProcess::fresh_link_path();
    auto sim = std::make_unique<SimProcess>(std::vector<std::string>{"--no-pacing"}, path);
    ASSERT_TRUE(sim->ready());
    Link link(path);
    link.poll_all();
    ASSERT_EQ(link.state.NoConnection, 0);
    EXPECT_TRUE(sim->stop());
    struct stat st {};
    EXPECT_NE(lstat(path.c_str(), &st), 0) << "the link should be removed on SIGTERM";
    for (int i = 0; i < 3; ++i)
        link.poll_all();
    EXPECT_EQ(link.state.NoConnection, 1);
    EXPECT_EQ(link.state.PollPeriod, 500);

    sim = std::make_unique<SimProcess>(std::vector<std::string>{"--no-pacing"}, path);
    ASSERT_TRUE(sim->ready());
    link.poll_all();
    EXPECT_EQ(link.state.NoConnection, 0);
    EXPECT_EQ(link.state.PollPeriod, 50);
    EXPECT_EQ(link.image.SettingsBlock2[0], 0x65);
}

TEST(TermiosLink, DeviceVanishingMidSessionNeverHangs) {
    SimProcess sim({"--no-pacing"});
    ASSERT_TRUE(sim.ready());
    Link link(sim.link());
    link.poll_all();
    ASSERT_EQ(link.state.NoConnection, 0);
    sim.kill_hard();  // the pseudo-terminal disappears under the open port
    struct Cleanup {
        SimProcess& s;
        ~Cleanup() { s.remove_link(); }
    } cleanup{sim};
    // Every poll ends within its (stretched) timeouts.
    const auto t0 = Clock::now();
    for (int i = 0; i < 5; ++i)
        link.poll_all();
    const int poll_timeouts =
        total_timeout_ms(4) + total_timeout_ms(11) + total_timeout_ms(15) + total_timeout_ms(16);
    EXPECT_LT(ms_since(t0), 5 * poll_timeouts * kStretch);
    EXPECT_EQ(link.state.NoConnection, 1);
    EXPECT_EQ(link.state.PollPeriod, 500);
}

TEST(TermiosLink, PortsThatCannotBeOpenedBehaveLikeSilence) {
    const std::string file = SimProcess::fresh_link_path() + ".txt";
    std::ofstream(file) << "not a terminal\n";
    const std::string cases[] = {"/nonexistent/ttyUSB9", file, "/tmp"};
    for (const auto& dev : cases) {
        // Timeouts so long that waiting for even one would show.
        constexpr int kLong = 100;
        Link link(dev, kLong);
        const auto t0 = Clock::now();
        for (int i = 0; i < 4; ++i)
            link.poll_all();
        EXPECT_LT(ms_since(t0), total_timeout_ms(4) * kLong) << dev;  // fails at once
        EXPECT_EQ(link.state.NoConnection, 1) << dev;
        EXPECT_EQ(link.state.PollPeriod, 500) << dev;
        EXPECT_NE(link.port.last_open_error(), 0) << dev;
    }
    ::unlink(file.c_str());
}

TEST(TermiosLink, APortInUseIsRefusedUntilItsHolderClosesIt) {
    SimProcess sim({"--no-pacing"});
    ASSERT_TRUE(sim.ready());
    Link first(sim.link());
    first.poll_all();
    ASSERT_EQ(first.state.NoConnection, 0);

    // A second opener, even root, is refused and sees a silent controller.
    PosixSerialPort probe;
    EXPECT_FALSE(probe.open(sim.link()));
    EXPECT_TRUE(probe.last_open_error() == EWOULDBLOCK || probe.last_open_error() == EBUSY)
        << std::strerror(probe.last_open_error());
    Link second(sim.link());
    for (int i = 0; i < 3; ++i)
        second.poll_all();
    EXPECT_EQ(second.state.NoConnection, 1);
    EXPECT_EQ(second.state.PollPeriod, 500);
    first.poll_all();
    EXPECT_EQ(first.state.NoConnection, 0);

    // Once the holder closes the port, the next opener gets it.
    close_port(first.state);
    EXPECT_TRUE(probe.open(sim.link())) << std::strerror(probe.last_open_error());
    probe.close();
    second.poll_all();
    EXPECT_EQ(second.state.NoConnection, 0);
}

TEST(TermiosLink, FaultySimulatorsFollowTheStateMachine) {
    {
        SimProcess sim({"--no-pacing", "--garbage", "1"});
        ASSERT_TRUE(sim.ready());
        Link link(sim.link());
        for (int i = 0; i < 3; ++i)
            link.poll_all();
        EXPECT_EQ(link.state.NoConnection, 1);
        EXPECT_EQ(link.state.PollPeriod, 500);
    }
    {
        SimProcess sim({"--no-pacing", "--bad-checksum", "1"});
        ASSERT_TRUE(sim.ready());
        Link link(sim.link());
        for (int i = 0; i < 5; ++i) {
            link.poll_all();
            EXPECT_EQ(link.state.PortOpen, 0);
        }
        EXPECT_EQ(link.state.FailedPolls, 0);
        EXPECT_EQ(link.state.PollPeriod, 50);
        EXPECT_EQ(link.image.StatusFrame[0], 0);
    }
    {
        SimProcess sim({"--no-pacing", "--generation", "3"});
        ASSERT_TRUE(sim.ready());
        Link link(sim.link());
        link.poll_all();
        EXPECT_EQ(link.state.NoConnection, 0);
        EXPECT_EQ(link.image.ControllerGeneration, 3);
        EXPECT_EQ(link.image.LiveFrame[0], 0);  // no reads for generation 3
        EXPECT_EQ(write_setting(link.state, link.image, 7, 27), 0);
    }
    {
        SimProcess sim({"--no-pacing", "--no-ack", "1"});
        ASSERT_TRUE(sim.ready());
        Link link(sim.link());
        link.poll_all();
        EXPECT_EQ(write_setting(link.state, link.image, 7, 27), 0);
        link.poll_all();
        EXPECT_EQ(link.image.LambdaPoint(), 27);
    }
}

TEST(TermiosLink, PacedReadsCompleteInWireTimeNotAtTheirTimeout) {
    SimProcess sim;
    ASSERT_TRUE(sim.ready());  // paced at 9600 baud
    Link link(sim.link());
    poll_status(link.state, link.image);
    ASSERT_EQ(link.state.NoConnection, 0);
    // Each read returns when its bytes are there, long before its timeout.
    for (int i = 0; i < 5; ++i) {
        auto t0 = Clock::now();
        poll_status(link.state, link.image);
        EXPECT_LT(ms_since(t0), total_timeout_ms(4) * kStretch);
        t0 = Clock::now();
        read_live(link.state, link.image);
        EXPECT_LT(ms_since(t0), total_timeout_ms(11) * kStretch);
        EXPECT_EQ(link.image.LiveFrame[0], 0x65);
        EXPECT_EQ(link.state.PortOpen, 1);
    }
}

TEST(TermiosLink, SimulatorCommandLine) {
    auto run_sim = [](std::vector<std::string> args) {
        args.insert(args.begin(), SimProcess::sim_path());
        return tarvex::testing::run_to_end(args);
    };
    auto r = run_sim({"--help"});
    EXPECT_EQ(r.exit_code, 0);
    EXPECT_NE(r.out.find("--bad-checksum RATE"), std::string::npos);
    r = run_sim({"--link", "/tmp/x", "--bogus"});
    EXPECT_EQ(r.exit_code, 2);
    EXPECT_NE(r.err.find("unknown option '--bogus'"), std::string::npos);
    r = run_sim({});
    EXPECT_EQ(r.exit_code, 2);
    EXPECT_NE(r.err.find("--link PATH is required"), std::string::npos);

    // --ports-file maps the chosen port to the link.
    const std::string ports = SimProcess::fresh_link_path() + ".ports";
    {
        SimProcess sim({"--no-pacing", "--ports-file", ports, "--com", "2"});
        ASSERT_TRUE(sim.ready());
        std::ifstream in(ports);
        std::string line;
        std::getline(in, line);
        EXPECT_EQ(line, "COM2=" + sim.link());
    }
    ::unlink(ports.c_str());
}
