// SPDX-License-Identifier: MIT
#pragma once

#include "link/controller_image.h"
#include "link/link_state.h"
#include "scope/scope_trace.h"
#include "ui/poll_shared.h"

namespace tarvex {

// The polls of one Oscilloscope tick. Skipped while the information dialog
// is open; held, without polls, while the value cursor is on. Otherwise the
// status, then from a connected generation-2 controller the live frame, and
// settings block 1 once after each time the link comes up. Then the period
// is 20 ms whatever the status poll set, and the timer re-armed if it was not.
TickOutcome scope_poll(LinkState& link, ControllerImage& image, PollShared& shared,
                       ScopeState& state);

}  // namespace tarvex
