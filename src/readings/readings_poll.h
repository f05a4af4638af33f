// SPDX-License-Identifier: MIT
#pragma once

#include "link/controller_image.h"
#include "link/link_state.h"
#include "readings/dashboard.h"
#include "ui/poll_shared.h"

namespace tarvex {

// The polls of one Readings tick: status, then live data when connected to a
// generation-2 controller, and both settings blocks on every fourth live poll.
// Skipped while a dialog or drop-down list is open. Decides the re-arming; the
// caller redraws between the polls and the re-arm.
TickOutcome readings_poll(LinkState& link, ControllerImage& image, PollShared& shared);

// The learning button: acts only when connected to a generation-2 controller
// running on gas; while learning runs it writes UiTexts[32] to status row 5,
// otherwise it marks the request as pending. Both send command 30, value 50.
// True when it sent the command.
bool learning_request(Canvas& c, Dashboard& d, LinkState& link, ControllerImage& image);

}  // namespace tarvex
