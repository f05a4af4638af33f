// SPDX-License-Identifier: MIT
// A run against tarvex-sim recorded to a file and played back: every tick
// receives the same frames and draws the same dashboard; a file cut off
// mid-row plays up to its last whole row and then loses the link.
#include <gtest/gtest.h>

#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <thread>

#include "ports/posix_serial_port.h"
#include "readings/dashboard_fixture.h"
#include "readings/readings_poll.h"
#include "recording/playback_port.h"
#include "recording/recorder.h"
#include "recording/recording_reader.h"
#include "support/fake_link_clock.h"
#include "support/sim_process.h"

using namespace tarvex;
using tarvex::testing::DashFixture;
using tarvex::testing::FakeLinkClock;
using tarvex::testing::SimProcess;
namespace fs = std::filesystem;
using Call = RecordingCanvas::Call;

namespace {

bool same_call(const Call& a, const Call& b) {
    return a.kind == b.kind && a.rect == b.rect && a.corner_w == b.corner_w &&
           a.corner_h == b.corner_h && a.points == b.points && a.pen == b.pen &&
           a.brush == b.brush && a.text == b.text && a.font == b.font && a.fg == b.fg &&
           a.bg == b.bg;
}

// A clock for playback that stands still while the port "sleeps", so that
// every reply of a tick comes from the row the tick was set to.
struct StillClock final : LinkClock {
    FakeLinkClock inner;
    Steady::time_point now() override { return inner.now(); }
    Wall::time_point wall_now() override { return inner.wall_now(); }
    void sleep_until(Steady::time_point) override {}
};

struct RecordedRun {
    std::vector<std::vector<Call>> drawn;  // the dashboard's values layer, per tick
    std::vector<int> no_connection;
};

// A program-like session on one port: the Readings polls and the dashboard.
struct Session {
    DashFixture dash;
    PollShared poll;
    explicit Session(SerialPort& port, const std::string& device = "") {
        dash.link.port = &port;
        dash.link.devices.device[0] = device;
    }
    std::vector<Call> tick() {
        readings_poll(dash.link, dash.image, poll);
        dash.canvas.clear();
        Dashboard d = dash.d();
        draw_dashboard_values(dash.canvas, d);
        return dash.canvas.calls();
    }
};

struct RecordingPlayback : ::testing::Test {
    fs::path dir;
    void SetUp() override {
        dir = fs::temp_directory_path() / ("tarvex-e2e-rec-" + std::to_string(getpid()));
        fs::remove_all(dir);
        fs::create_directories(dir);
    }
    void TearDown() override { fs::remove_all(dir); }

    // Records `ticks` ticks of the Readings polls against a simulator with
    // faults, paced by a 50 ms timer as the view's.
    RecordedRun record(const fs::path& file, int ticks) {
        RecordedRun run;
        SimProcess sim({"--garbage", "4%", "--short", "4%", "--silence", "4%", "--seed", "9"});
        EXPECT_TRUE(sim.ready());
        PosixSerialPort port;
        Session s(port, sim.link());
        Recorder rec(s.dash.link, s.dash.image);
        EXPECT_TRUE(rec.start(file.string())) << rec.error();
        auto next = std::chrono::steady_clock::now();
        for (int i = 0; i < ticks; ++i) {
            std::this_thread::sleep_until(next);
            run.drawn.push_back(s.tick());
            run.no_connection.push_back(s.dash.link.NoConnection);
            next = std::max(next + std::chrono::milliseconds(s.dash.link.PollPeriod),
                            std::chrono::steady_clock::now());
        }
        rec.stop();
        EXPECT_FALSE(rec.failed()) << rec.error();
        EXPECT_EQ(rec.rows(), static_cast<std::size_t>(ticks));
        close_port(s.dash.link);
        return run;
    }
};

}  // namespace

TEST_F(RecordingPlayback, PlaysBackTheSameFramesAndDashboardTickByTick) {
    const fs::path file = dir / "drive.csv";
    const RecordedRun run = record(file, 80);
    Recording rec;
    std::string error;
    ASSERT_TRUE(load_recording(file.string(), rec, error)) << error;
    ASSERT_EQ(rec.size(), 80u);
    EXPECT_TRUE(rec.problem.empty()) << rec.problem;

    StillClock clock;
    PlaybackSerialPort player(rec, clock);
    std::vector<TickFrames> played;
    RecordingSerialPort tap(
        player, [&](const TickFrames& t) { played.push_back(t); }, clock);
    Session s(tap);
    for (std::size_t i = 0; i < rec.size(); ++i) {
        // A microsecond into the row: the rows are milliseconds apart.
        clock.inner.set_seconds(rec.seconds(i) - rec.seconds(0) + 1e-6);
        const std::vector<Call> drawn = s.tick();
        EXPECT_EQ(s.dash.link.NoConnection, run.no_connection[i]) << "tick " << i;
        ASSERT_EQ(drawn.size(), run.drawn[i].size()) << "tick " << i;
        for (std::size_t k = 0; k < drawn.size(); ++k)
            ASSERT_TRUE(same_call(drawn[k], run.drawn[i][k])) << "tick " << i << " call " << k;
    }
    tap.finish();
    ASSERT_EQ(played.size(), rec.size());
    for (std::size_t i = 0; i < played.size(); ++i) {
        const auto& want = rec.tick(i).replies;
        EXPECT_EQ(played[i].replies[0].view().size(), want[0].size) << i;
        EXPECT_TRUE(std::ranges::equal(played[i].replies[0].view(), want[0].view())) << i;
        for (std::size_t k = 1; k < 4; ++k)
            if (want[k].size > 0) {
                EXPECT_TRUE(std::ranges::equal(played[i].replies[k].view(), want[k].view()))
                    << "tick " << i << " command " << k + 1;
            }
    }
}

TEST_F(RecordingPlayback, AFileCutMidRowPlaysToItsLastWholeRow) {
    const fs::path file = dir / "cut.csv";
    record(file, 30);
    std::string text;
    {
        std::ifstream in(file, std::ios::binary);
        std::stringstream s;
        s << in.rdbuf();
        text = s.str();
    }
    // Power lost in the middle of row 21: 20 whole rows stay.
    std::size_t at = 0;
    for (int line = 0; line < 21; ++line)
        at = text.find("\r\n", at) + 2;
    const std::size_t cut = at + (text.find("\r\n", at) - at) / 2;
    fs::resize_file(file, cut);
    Recording rec;
    std::string error;
    ASSERT_TRUE(load_recording(file.string(), rec, error)) << error;
    ASSERT_EQ(rec.size(), 20u);
    EXPECT_NE(rec.problem.find("row 21 is cut off"), std::string::npos) << rec.problem;

    // Played to its end, then silence: the link is lost as when the lead is pulled.
    StillClock clock;
    PlaybackSerialPort player(rec, clock);
    Session s(player);
    for (std::size_t i = 0; i < rec.size(); ++i) {
        clock.inner.set_seconds(rec.seconds(i) - rec.seconds(0) + 1e-6);
        s.tick();
    }
    // Just past the end (the fake clock counts whole nanoseconds).
    clock.inner.set_seconds(player.length() + 1e-3);
    for (int i = 0; i < 3; ++i)
        s.tick();
    EXPECT_EQ(s.dash.link.NoConnection, 1);
    EXPECT_EQ(s.dash.link.PollPeriod, kPollPeriodLost);
    EXPECT_EQ(s.dash.image.LiveFrame[0], 0);
}
