// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include "scope/scope_poll.h"
#include "support/scripted_serial_port.h"

using namespace tarvex;
using R = TickResult;

// The frames of an Oscilloscope tick, settings block 1 once per connection,
// and 20 ms whatever the link did.
TEST(ScopePoll, FramesAndPeriod) {
    const struct {
        int info, cursor, config_read, version;  // version 0: silent, the link lost
        R result;
        std::vector<int> commands;
        int config_read_after, period;
    } cases[] = {
        {1, 0, 0, 0x26, R::Skipped, {}, 0, 50},       {0, 1, 1, 0x26, R::Held, {}, 1, 20},
        {0, 0, 0, 0x26, R::Polled, {1, 2, 3}, 1, 20}, {0, 0, 1, 0x26, R::Polled, {1, 2}, 1, 20},
        {0, 0, 1, 0x41, R::Polled, {1}, 0, 20},       {0, 0, 1, 0, R::Polled, {1}, 0, 20},
    };
    for (const auto& c : cases) {
        ScriptedSerialPort port;
        LinkState link;
        link.port = &port;
        if (c.version)
            port.queue_reply(
                ScriptedSerialPort::framed_reply(4, static_cast<std::uint8_t>(c.version)));
        else
            link.FailedPolls = 2;  // this poll loses the link: 500 ms elsewhere
        ControllerImage image;
        PollShared shared{c.info};
        ScopeState state;
        state.ScopeCursorOn = c.cursor;
        state.ScopeConfigRead = c.config_read;
        const TickOutcome out = scope_poll(link, image, shared, state);
        const auto row = &c - cases;
        EXPECT_EQ(out.result, c.result) << row;
        EXPECT_EQ(port.commands(), c.commands) << row;
        EXPECT_EQ(state.ScopeConfigRead, c.config_read_after) << row;
        EXPECT_EQ(link.PollPeriod, c.period) << row;
        EXPECT_EQ(out.rearm_to, c.result == R::Skipped ? 0 : 20) << row;
    }
}
