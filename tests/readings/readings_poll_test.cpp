// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include "readings/dashboard_fixture.h"
#include "readings/readings_poll.h"
#include "support/scripted_serial_port.h"

using namespace tarvex;
using Bytes = std::vector<std::uint8_t>;

namespace {

// A controller of the given version byte that answers every read.
ScriptedSerialPort::Responder controller(std::uint8_t version, bool* silent) {
    return [version, silent](const Bytes& cmd) -> Bytes {
        const std::size_t sizes[] = {0, 4, 11, 15, 16};
        if (*silent || cmd[1] < 1 || cmd[1] > 4)
            return {};
        return ScriptedSerialPort::framed_reply(sizes[cmd[1]], version);
    };
}

}  // namespace

TEST(ReadingsPoll, SettingsOnEveryFourthLiveTickAndRearmOnPeriodChange) {
    ScriptedSerialPort port;
    bool silent = false;
    port.set_responder(controller(0x26, &silent));
    LinkState link;
    link.port = &port;
    ControllerImage image;
    PollShared shared;

    TickOutcome out = readings_poll(link, image, shared);
    EXPECT_EQ(out.result, TickResult::Polled);
    EXPECT_EQ(out.rearm_to, 50);  // the first tick arms at 50
    for (int i = 0; i < 7; ++i)
        EXPECT_EQ(readings_poll(link, image, shared).rearm_to, 0);
    EXPECT_EQ(port.commands(),
              (std::vector<int>{1, 2, 1, 2, 1, 2, 1, 2, 3, 4, 1, 2, 1, 2, 1, 2, 1, 2, 3, 4}));
    EXPECT_EQ(shared.PollTick, 0u);

    // Silence: the first two failed status polls still count as connected, so
    // their live polls advance PollTick; the third re-arms at 500, the first
    // good one at 50.
    silent = true;
    EXPECT_EQ(readings_poll(link, image, shared).rearm_to, 0);
    EXPECT_EQ(readings_poll(link, image, shared).rearm_to, 0);
    EXPECT_EQ(readings_poll(link, image, shared).rearm_to, 500);
    EXPECT_EQ(readings_poll(link, image, shared).rearm_to, 0);
    silent = false;
    port.clear_events();
    EXPECT_EQ(readings_poll(link, image, shared).rearm_to, 50);
    EXPECT_EQ(port.commands(), (std::vector<int>{1, 2}));
    EXPECT_EQ(shared.PollTick, 3u);
    port.clear_events();
    readings_poll(link, image, shared);
    EXPECT_EQ(port.commands(), (std::vector<int>{1, 2, 3, 4}));
}

// Nothing, not even a re-arm, while a dialog or a list is open (0, 1); only
// the status from a controller of another generation (2).
TEST(ReadingsPoll, SkipsWhileADialogOrListIsOpenAndOtherGenerationPollsOnlyTheStatus) {
    bool silent = false;
    for (int which = 0; which < 3; ++which) {
        ScriptedSerialPort port;
        port.set_responder(controller(which == 2 ? 0x41 : 0x26, &silent));
        LinkState link;
        link.port = &port;
        ControllerImage image;
        PollShared shared{which == 0, which == 1, 500};
        for (int i = 0; i < 5; ++i) {
            const TickOutcome out = readings_poll(link, image, shared);
            EXPECT_EQ(out.result, which == 2 ? TickResult::Polled : TickResult::Skipped) << which;
            EXPECT_EQ(out.rearm_to, which == 2 && i == 0 ? 50 : 0) << which;
        }
        EXPECT_EQ(port.commands(), std::vector<int>(which == 2 ? 5 : 0, 1)) << which;
        EXPECT_EQ(image.ControllerGeneration, which == 2 ? 3 : 1) << which;
    }
}

TEST(ReadingsPoll, LearningButton) {
    struct Case {
        int no_connection, generation_byte, on_gas, learning;
        bool sends;
        int pending;
        bool message;
    } cases[] = {{0, 0x26, 1, 0, true, 1, false},
                 {0, 0x26, 1, 1, true, 0, true},
                 {0, 0x26, 0, 0, false, 0, false},
                 {1, 0x26, 1, 0, false, 0, false},
                 {0, 0x46, 1, 0, false, 0, false}};
    for (const auto& c : cases) {
        tarvex::testing::DashFixture f(2, "pol");
        auto [image, link, status, canvas] = std::tie(f.image, f.link, f.status, f.canvas);
        ScriptedSerialPort port;
        port.queue_reply({0x65, 50, 0x97});
        link.port = &port;
        link.NoConnection = c.no_connection;
        image.StatusFrame[2] = static_cast<std::uint8_t>(c.generation_byte);
        f.texts.slot[32] = "interrupted";
        status.OnGas = c.on_gas;
        status.LearningActive = c.learning;
        status.MessageAge = 17;
        Dashboard d = f.d();
        EXPECT_EQ(learning_request(canvas, d, link, image), c.sends);
        const std::vector<Bytes> want =
            c.sends ? std::vector<Bytes>{{0x65, 30, 50, 0xB5}} : std::vector<Bytes>{};
        EXPECT_EQ(port.writes(), want);
        EXPECT_EQ(status.LearnRequestPending, c.pending);
        const auto* msg = canvas.find_text("interrupted");
        EXPECT_EQ(msg != nullptr, c.message);
        if (msg) {
            EXPECT_EQ(msg->points[0], (Point{40, 485}));
            EXPECT_EQ(status.MessageAge, 0);
        }
    }
}
