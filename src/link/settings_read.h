// SPDX-License-Identifier: MIT
#pragma once

#include "link/controller_image.h"
#include "link/link_state.h"

namespace tarvex {

// How long the line is left to settle before exchanges whose replies must be
// their own: longer than the link waits for any reply (260 ms for 16 bytes),
// so that a reply that came too late has landed and can be thrown away.
constexpr int kSettleMs = 500;
// Tries of each frame read afresh.
constexpr int kFreshReadTries = 4;

// Waits kSettleMs, then discards whatever arrived meanwhile.
void settle_line(LinkState& link);

// Reads the live frame (which holds AttInit) and both settings blocks afresh:
// once the line has settled, each frame until a good reply, at most
// kFreshReadTries times, the line settling again before each retry. False as
// soon as a frame could not be read; the frames read are in the image.
bool read_settings_afresh(LinkState& link, ControllerImage& image);

// What a command that needs the controller's settings found.
enum class SettingsAnswer { Read, NoAnswer, OtherGeneration, NotRead };
// Polls the status once and, when a generation-2 controller answers it,
// reads the settings afresh.
SettingsAnswer poll_and_read_settings(LinkState& link, ControllerImage& image);

}  // namespace tarvex
