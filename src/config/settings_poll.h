// SPDX-License-Identifier: MIT
#pragma once

#include "config/settings_state.h"
#include "link/controller_image.h"
#include "link/link_state.h"
#include "link/settings_read.h"
#include "ui/poll_shared.h"

namespace tarvex {

// Which settings window polls: the two views, or the EmulDO dialog over the
// Options view.
enum class SettingsPoller { Configuration, Options, EmulDO };

// The polls of one tick of a settings window: status, then, from a connected
// generation-2 controller, the live frame and both settings blocks (the
// EmulDO dialog: settings block 1 only). Skipped while the information
// dialog is open over a view, or the EmulDO dialog over the Options view;
// held, without polls, while a drop-down list is open.
TickOutcome settings_poll(LinkState& link, ControllerImage& image, PollShared& shared,
                          const SettingsViewsState& state, SettingsPoller who);

// One tick of the comparison's timer: while the controller's settings have
// not been read, polls the status and reads them afresh from a generation-2
// controller that answers. True when they have just been read, so that the
// rows are shown again and the polling ends.
bool compare_poll(LinkState& link, ControllerImage& image, SettingsAnswer& answer);

}  // namespace tarvex
