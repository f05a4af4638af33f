// SPDX-License-Identifier: MIT
#include "config/settings_poll.h"

namespace tarvex {

TickOutcome settings_poll(LinkState& link, ControllerImage& image, PollShared& shared,
                          const SettingsViewsState& state, SettingsPoller who) {
    TickOutcome out;
    // The EmulDO dialog is modal: nothing opens over it.
    if (who != SettingsPoller::EmulDO &&
        (shared.InfoDialogOpen || (who == SettingsPoller::Options && state.OptionsSubDialogOpen)))
        return out;
    out.result = TickResult::Held;
    if (!shared.ListPaused) {
        out.result = TickResult::Polled;
        if (poll_controller(link, image)) {
            const bool all = who != SettingsPoller::EmulDO;
            if (all)
                read_live(link, image);
            read_settings1(link, image);
            if (all)
                read_settings2(link, image);
        }
    }
    if (rearm_needed(shared, link.PollPeriod))
        out.rearm_to = link.PollPeriod;
    return out;
}

bool compare_poll(LinkState& link, ControllerImage& image, SettingsAnswer& answer) {
    if (answer == SettingsAnswer::Read)
        return false;
    answer = poll_and_read_settings(link, image);
    return answer == SettingsAnswer::Read;
}

}  // namespace tarvex
