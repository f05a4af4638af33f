// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include "gfx/recording_canvas.h"
#include "readings/readings_poll.h"
#include "support/scripted_serial_port.h"

using namespace tarvex;
using Bytes = std::vector<std::uint8_t>;

namespace {

Bytes framed(Bytes b) {
    b.push_back(checksum(b.data(), b.size()));
    return b;
}

// A controller of the given generation byte that answers every read.
ScriptedSerialPort::Responder controller(std::uint8_t version, bool* silent) {
    return [version, silent](const Bytes& cmd) -> Bytes {
        if (*silent || cmd.size() != 4)
            return {};
        switch (cmd[1]) {
            case 1:
                return framed({0x65, 1, version});
            case 2:
                return framed({0x65, 10, 20, 30, 40, 0x88, 0x13, 0x08, 0x01, 150});
            case 3:
                return framed(Bytes(14, 0x65));
            case 4:
                return framed(Bytes(15, 0x65));
            default:
                return framed({0x65, cmd[2]});
        }
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

TEST(ReadingsPoll, SkipsWhileADialogOrListIsOpen) {
    ScriptedSerialPort port;
    LinkState link;
    link.port = &port;
    ControllerImage image;
    PollShared shared;
    shared.ArmedPollPeriod = 500;
    for (int which = 0; which < 2; ++which) {
        shared.InfoDialogOpen = which == 0;
        shared.ListPaused = which == 1;
        const TickOutcome out = readings_poll(link, image, shared);
        EXPECT_EQ(out.result, TickResult::Skipped);
        EXPECT_EQ(out.rearm_to, 0);
        EXPECT_TRUE(port.events().empty());
    }
}

TEST(ReadingsPoll, OtherGenerationPollsOnlyTheStatus) {
    ScriptedSerialPort port;
    bool silent = false;
    port.set_responder(controller(0x41, &silent));
    LinkState link;
    link.port = &port;
    ControllerImage image;
    PollShared shared;
    for (int i = 0; i < 5; ++i)
        EXPECT_EQ(readings_poll(link, image, shared).result, TickResult::Polled);
    EXPECT_EQ(port.commands(), (std::vector<int>(5, 1)));
    EXPECT_EQ(image.ControllerGeneration, 3);
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
        ScriptedSerialPort port;
        port.queue_reply({0x65, 50, 0x97});
        LinkState link;
        link.port = &port;
        link.NoConnection = c.no_connection;
        ControllerImage image;
        image.StatusFrame[2] = static_cast<std::uint8_t>(c.generation_byte);
        controller_generation(image);
        SizeState size;
        set_size_mode(size, 2);
        FontChoice fonts = choose_fonts(2, "pol");
        UiTexts texts;
        texts.slot[32] = "interrupted";
        DialTables dial;
        DashboardState state;
        StatusFlags status;
        status.OnGas = c.on_gas;
        status.LearningActive = c.learning;
        status.MessageAge = 17;
        RecordingCanvas canvas;
        Dashboard d{image, link, size.scale, fonts,  size.LampX, size.lamp_box,
                    texts, dial, state,      status, {}};
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
