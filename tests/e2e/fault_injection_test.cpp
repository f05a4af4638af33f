// SPDX-License-Identifier: MIT
// The program against tarvex-sim injecting each fault, with each polling view
// shown: no crash, no tick that hangs, the state machine as designed,
// recovery within one poll, and no write to a controller of another
// generation.
//
// A busy machine may not run the simulator for a while, so the port's
// timeouts are stretched wherever a test needs a reply in time, and no check
// depends on how fast the machine is.
#include <gtest/gtest.h>

#include <QComboBox>
#include <QPainter>

#include <signal.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "app/commands.h"
#include "app/main_window.h"
#include "config/configuration_view.h"
#include "ports/posix_serial_port.h"
#include "readings/readings_view.h"
#include "support/real_port_program.h"
#include "support/sim_process.h"

using namespace tarvex;
using tarvex::testing::SimProcess;
namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;

namespace {

// Worst case of one tick: status, live and both settings reads all timing out.
constexpr double kMaxTickMs = 140 + 210 + 250 + 260 + 150;
// Timeouts 20 times the link's own: a status reply may be 2.8 s late.
constexpr int kStretch = 20;

struct E2E : tarvex::testing::RealPortProgramTest {
    void start(const std::string& device) {
        program.link.devices.device[0] = device;
        open_window();
    }
    void stretch_timeouts(int factor) {
        port.set_timeout_scale(factor);
        timeout_scale = factor;
    }
    // A tick ends within its timeouts. A busy machine adds delays of its own,
    // so this allows ten times as much: it catches a tick that hangs.
    double tick_deadline_ms() const { return 10 * kMaxTickMs * timeout_scale; }
    int timeout_scale = 1;

    // One tick of the current view, timed.
    double tick() {
        const auto t0 = Clock::now();
        window->current_view()->tick();
        return std::chrono::duration<double, std::milli>(Clock::now() - t0).count();
    }
    void check_consistent() {
        const LinkState& l = program.link;
        EXPECT_GE(l.FailedPolls, 0);
        EXPECT_LE(l.FailedPolls, 2);
        EXPECT_TRUE(l.PollPeriod == 50 || l.PollPeriod == 500 || l.PollPeriod == 20);
        if (l.NoConnection) {
            EXPECT_EQ(program.image.LiveFrame[0], 0);
            EXPECT_EQ(program.image.SettingsBlock2[0], 0);
        }
    }
};

const int kViews[] = {cmd::Readings, cmd::Configuration, cmd::Options, cmd::Oscilloscope};

}  // namespace

TEST_F(E2E, EveryFaultWithEveryPollingView) {
    struct Fault {
        std::vector<std::string> args;
    } faults[] = {{{"--silence", "30%"}},
                  {{"--garbage", "30%"}},
                  {{"--bad-checksum", "30%"}},
                  {{"--short", "30%"}},
                  {{"--late", "30%", "--late-ms", "300"}},
                  {{"--no-ack", "100%"}},
                  {{"--generation", "3"}}};
    for (const auto& f : faults) {
        std::vector<std::string> args{"--no-pacing", "--seed", "7"};
        args.insert(args.end(), f.args.begin(), f.args.end());
        SimProcess sim(args);
        ASSERT_TRUE(sim.ready());
        start(sim.link());
        for (int view : kViews) {
            window->run_command(view);
            for (int i = 0; i < 8; ++i) {
                const double ms = tick();
                EXPECT_LT(ms, tick_deadline_ms()) << f.args[0] << " view " << view;
                check_consistent();
            }
        }
        window.reset();
        close_port(program.link);
        program = Program{};
        program.StartDirectory = dir.string();
        program.link.port = &port;
        build_dial_tables(program.dial);
    }
}

TEST_F(E2E, SilenceShowsNoConnectionAndOneGoodReplyRecovers) {
    SimProcess sim({"--no-pacing"}, {}, (dir / "sim.log").string());
    ASSERT_TRUE(sim.ready());
    stretch_timeouts(kStretch);
    start(sim.link());
    tick();
    ASSERT_EQ(program.link.NoConnection, 0);
    sim.signal(SIGUSR1);
    ASSERT_TRUE(sim.wait_for_output("tarvex-sim: silent"));
    stretch_timeouts(1);
    for (int i = 0; i < 3; ++i)
        tick();
    EXPECT_EQ(program.link.NoConnection, 1);
    EXPECT_EQ(program.link.PollPeriod, 500);
    auto* readings = qobject_cast<ReadingsView*>(window->current_view());
    ASSERT_NE(readings, nullptr);
    EXPECT_EQ(readings->timer().interval(), 500);
    // Status row 1 holds the red no-connection text.
    int red = 0;
    const QImage& img = readings->surface();
    for (int y = 405 + 10; y < 425 + 10; ++y)
        for (int x = 40 + 5; x < 440 + 5; ++x)
            red += img.pixel(x, y) == qRgb(255, 0, 0);
    EXPECT_GT(red, 5);

    sim.signal(SIGUSR1);
    ASSERT_TRUE(sim.wait_for_output("tarvex-sim: answering"));
    stretch_timeouts(kStretch);
    tick();
    EXPECT_EQ(program.link.NoConnection, 0);
    EXPECT_EQ(program.link.PollPeriod, 50);
    EXPECT_EQ(readings->timer().interval(), 50);
}

TEST_F(E2E, SimulatorKilledAndRestartedMidSession) {
    const std::string link = SimProcess::fresh_link_path();
    stretch_timeouts(kStretch);
    for (int view : kViews) {
        auto sim = std::make_unique<SimProcess>(std::vector<std::string>{"--no-pacing"}, link);
        ASSERT_TRUE(sim->ready());
        if (!window)
            start(link);
        window->run_command(view);
        tick();
        EXPECT_EQ(program.link.NoConnection, 0) << view;
        sim->kill_hard();
        for (int i = 0; i < 4; ++i)
            EXPECT_LT(tick(), tick_deadline_ms());
        EXPECT_EQ(program.link.NoConnection, 1) << view;
        sim = std::make_unique<SimProcess>(std::vector<std::string>{"--no-pacing"}, link);
        ASSERT_TRUE(sim->ready());
        tick();
        EXPECT_EQ(program.link.NoConnection, 0) << view;
    }
    ::unlink(link.c_str());
}

TEST_F(E2E, NoWriteReachesAControllerOfAnotherGeneration) {
    const std::string log = (dir / "sim.log").string();
    {
        SimProcess sim({"--no-pacing", "--generation", "3", "--verbose"}, {}, log);
        ASSERT_TRUE(sim.ready());
        start(sim.link());
        window->run_command(cmd::Configuration);
        auto* v = qobject_cast<SettingsView*>(window->current_view());
        v->tick();
        emit v->form().list(1003)->activated(2);
        emit v->form().list(1022)->activated(3);
        window->run_command(cmd::Readings);
        program.status.OnGas = 1;
        tick();
        EXPECT_TRUE(sim.stop());
    }
    std::ifstream in(log);
    std::stringstream s;
    s << in.rdbuf();
    const std::string text = s.str();
    EXPECT_NE(text.find("<- 65 01 01 67"), std::string::npos);
    for (const char* write : {"<- 65 06", "<- 65 07", "<- 65 15", "<- 65 16", "<- 65 1E"})
        EXPECT_EQ(text.find(write), std::string::npos) << write;
}
