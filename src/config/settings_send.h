// SPDX-License-Identifier: MIT
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <vector>

#include "config/form.h"
#include "link/controller_image.h"
#include "link/link_state.h"
#include "link/settings_table.h"

namespace tarvex {

// What became of writes sent to the controller.
struct SendOutcome {
    // The writes acknowledged with 3 bytes before the first that was not,
    // in the order sent; all of them when every one was.
    int sent = 0;
    int total = static_cast<int>(kSettings.size());  // the writes to send
    // The setting (index in file order) of the first write not acknowledged.
    std::optional<std::size_t> stopped_at;
    // The controller's settings were read back afresh after the writes.
    bool read_back = false;
    // Of the settings sent, those the controller does not hold as sent
    // (indices in file order).
    std::vector<std::size_t> not_held;

    bool confirmed() const { return sent == total && read_back && not_held.empty(); }
};

// Sends the values as File > Open does (every setting in file order,
// stopping at the first write not acknowledged with 3 bytes), on a line left
// to settle first so that no late reply passes for an acknowledgement. Then
// reads the settings back afresh and compares what the controller holds with
// what was sent. Nothing is read back when nothing was sent.
SendOutcome send_and_confirm(LinkState& link, ControllerImage& image,
                             const std::array<std::uint8_t, kSettings.size()>& values);

// The same for any writes of settings, in their order (an undo, one setting
// put back): each setting sent is confirmed against its last value sent.
SendOutcome send_writes_and_confirm(LinkState& link, ControllerImage& image,
                                    std::span<const Write> writes);

}  // namespace tarvex
