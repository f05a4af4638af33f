// SPDX-License-Identifier: MIT
#pragma once

#include "link/link_state.h"
#include "ui/ui_text_qt.h"
#include "ui/user_dialogs.h"

class QWidget;

namespace tarvex {

// While the link plays a recording, nothing is sent to a controller. Every
// command that writes asks this first: true, after a message over `owner`
// saying that a recording is playing, when the command must not go on.
bool refused_while_playing(const LinkState& link, UserDialogs& dialogs, const ViewTexts& texts,
                           QWidget* owner);

}  // namespace tarvex
