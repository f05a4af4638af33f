// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include "config/settings_poll.h"
#include "support/scripted_serial_port.h"

using namespace tarvex;
using P = SettingsPoller;
using R = TickResult;

// Which frames each settings window polls, and what keeps it from polling.
TEST(SettingsPoll, FramesAndPausesOfEachWindow) {
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
        {P::EmulDO, 1, 1, 0, 0x26, R::Polled, {1, 3}},
        {P::Options, 0, 0, 1, 0x26, R::Held, {}},
        {P::EmulDO, 0, 0, 1, 0x26, R::Held, {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << static_cast<int>(c.who) << " info " << c.info << " sub "
                                        << c.sub_dialog << " list " << c.list);
        ScriptedSerialPort port;
        if (c.version) {
            const auto status = command_frame(1, c.version);  // 65 01 version sum
            port.queue_reply({status.begin(), status.end()});
        }
        LinkState link;
        link.port = &port;
        ControllerImage image;
        PollShared shared;
        shared.InfoDialogOpen = c.info;
        shared.ListPaused = c.list;
        SettingsViewsState state;
        state.OptionsSubDialogOpen = c.sub_dialog;
        const TickOutcome out = settings_poll(link, image, shared, state, c.who);
        EXPECT_EQ(out.result, c.result);
        EXPECT_EQ(port.commands(), c.commands);
        // A skipped tick leaves the timer; the others arm it the first time.
        EXPECT_EQ(out.rearm_to, c.result == R::Skipped ? 0 : 50);
    }
}
