// SPDX-License-Identifier: MIT
#pragma once

#include <string>

#include "link/controller_image.h"
#include "link/link_state.h"
#include "ui/ui_texts.h"

namespace tarvex {

// Asks the controller to restore its factory settings (command 30, value 51,
// read back after 250 ms). True when the acknowledgement's byte 1 is 51.
bool factory_reset(LinkState& link, ControllerImage& image);

// One tick of the program-information dialog: polls the status and gives the
// text of its version box: the firmware version as "%.2f", or the
// no-connection or unsupported-generation text.
std::string poll_version_text(LinkState& link, ControllerImage& image, const UiTexts& texts);

// The program's own version, shown beside the controller's.
inline constexpr const char* kProgramVersion = "2.06";

}  // namespace tarvex
