// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include "config/settings_poll.h"
#include "support/scripted_serial_port.h"

using namespace tarvex;
using Bytes = std::vector<std::uint8_t>;

// Which frames each settings window polls, and what keeps it from polling.
TEST(SettingsPoll, FramesAndPausesOfEachWindow) {
    using P = SettingsPoller;
    using R = TickResult;
    const struct {
        P who;
        int info, sub_dialog, list, version;  // version 0: silent
        R result;
        std::vector<int> commands;
    } cases[] = {
        {P::Configuration, 0, 0, 0, 0x26, R::Polled, {1, 2, 3, 4}},
        {P::Options, 0, 0, 0, 0x26, R::Polled, {1, 2, 3, 4}},
        {P::EmulDO, 0, 0, 0, 0x26, R::Polled, {1, 3}},
        {P::Configuration, 0, 0, 0, 0x41, R::Polled, {1}},
        {P::Options, 0, 0, 0, 0, R::Polled, {1}},
        {P::Configuration, 1, 0, 0, 0x26, R::Skipped, {}},
        {P::Options, 1, 0, 0, 0x26, R::Skipped, {}},
        {P::Options, 0, 1, 0, 0x26, R::Skipped, {}},
        {P::Configuration, 0, 1, 0, 0x26, R::Polled, {1, 2, 3, 4}},
        {P::EmulDO, 1, 1, 0, 0x26, R::Polled, {1, 3}},  // nothing opens over it
        {P::Options, 0, 0, 1, 0x26, R::Held, {}},
        {P::EmulDO, 0, 0, 1, 0x26, R::Held, {}},
    };
    for (const auto& c : cases) {
        ScriptedSerialPort port;
        if (c.version)
            port.queue_reply(
                ScriptedSerialPort::framed_reply(4, static_cast<std::uint8_t>(c.version)));
        LinkState link;
        link.port = &port;
        ControllerImage image;
        PollShared shared{c.info, c.list};
        SettingsViewsState state;
        state.OptionsSubDialogOpen = c.sub_dialog;
        const TickOutcome out = settings_poll(link, image, shared, state, c.who);
        const auto row = &c - cases;
        EXPECT_EQ(out.result, c.result) << row;
        EXPECT_EQ(port.commands(), c.commands) << row;
        // A skipped tick leaves the timer; the others arm it the first time.
        EXPECT_EQ(out.rearm_to, c.result == R::Skipped ? 0 : 50) << row;
    }
}

// The comparison polls until the controller's settings have been read.
TEST(SettingsPoll, ComparisonUntilTheSettingsAreRead) {
    using A = SettingsAnswer;
    const struct {
        A before;
        std::vector<Bytes> replies;
        A after;
        std::vector<int> commands;
    } cases[] = {
        {A::Read, {ScriptedSerialPort::framed_reply(4, 0x26)}, A::Read, {}},
        {A::NoAnswer, {}, A::NoAnswer, {1}},
        {A::NoAnswer, {ScriptedSerialPort::framed_reply(4, 0x41)}, A::OtherGeneration, {1}},
        {A::NotRead,
         {ScriptedSerialPort::framed_reply(4, 0x26), ScriptedSerialPort::framed_reply(11),
          ScriptedSerialPort::framed_reply(15), ScriptedSerialPort::framed_reply(16)},
         A::Read,
         {1, 2, 3, 4}},
    };
    for (const auto& c : cases) {
        ScriptedSerialPort port;
        for (const Bytes& r : c.replies)
            port.queue_reply(r);
        LinkState link;
        link.port = &port;
        ControllerImage image;
        A answer = c.before;
        const auto row = &c - cases;
        // True only when the settings have just been read.
        EXPECT_EQ(compare_poll(link, image, answer), c.before != A::Read && c.after == A::Read)
            << row;
        EXPECT_EQ(answer, c.after) << row;
        EXPECT_EQ(port.commands(), c.commands) << row;
    }
}
