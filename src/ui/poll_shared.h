// SPDX-License-Identifier: MIT
#pragma once

namespace tarvex {

// Program-wide flags the polling views share.
struct PollShared {
    int InfoDialogOpen = 0;   // the program-information dialog is open
    int ListPaused = 0;       // a drop-down list of a settings view is open
    int ArmedPollPeriod = 0;  // the period a view last re-armed its timer with
    unsigned PollTick = 0;    // live polls since the settings were last read
};

// True, and the period remembered as armed, when a view's timer must be
// re-armed with this period.
inline bool rearm_needed(PollShared& shared, int period) {
    if (period == shared.ArmedPollPeriod)
        return false;
    shared.ArmedPollPeriod = period;
    return true;
}

enum class TickResult {
    Skipped,  // a dialog is open: no poll, nothing shown, no re-arm
    Held,     // not polled (a list open, the value cursor on); re-armed as decided
    Polled,   // polled: show the image, re-arm as decided
};

// What a polling view's tick polled and how its timer goes on.
struct TickOutcome {
    TickResult result = TickResult::Skipped;
    int rearm_to = 0;  // the new timer period, or 0 to keep the timer
};

}  // namespace tarvex
