// SPDX-License-Identifier: MIT
#include "scope/scope_poll.h"

namespace tarvex {

namespace {

constexpr int kScopePollPeriod = 20;

}  // namespace

TickOutcome scope_poll(LinkState& link, ControllerImage& image, PollShared& shared,
                       ScopeState& state) {
    TickOutcome out;
    if (shared.InfoDialogOpen)
        return out;
    out.result = TickResult::Held;
    if (!state.ScopeCursorOn) {
        out.result = TickResult::Polled;
        if (poll_controller(link, image)) {
            read_live(link, image);
            if (!state.ScopeConfigRead) {
                read_settings1(link, image);
                state.ScopeConfigRead = 1;
            }
        } else {
            state.ScopeConfigRead = 0;
        }
    }
    // This view polls every 20 ms, also after the link was lost.
    link.PollPeriod = kScopePollPeriod;
    if (rearm_needed(shared, kScopePollPeriod))
        out.rearm_to = kScopePollPeriod;
    return out;
}

}  // namespace tarvex
