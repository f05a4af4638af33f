// SPDX-License-Identifier: MIT
#pragma once

#include <array>
#include <cstdint>
#include <vector>

#include "history/history_types.h"

namespace tarvex::history {

// A setting that a later snapshot shows otherwise than the journal said.
struct Divergence {
    std::int64_t snapshot_id = 0;
    std::uint8_t code = 0;
    std::uint8_t replayed = 0;
    std::uint8_t shown = 0;
    bool operator==(const Divergence&) const = default;
};

// The settings the history gives.
struct ReplayResult {
    SettingValues values{};
    // false where the history cannot tell: a write left pending by a program
    // that stopped, or not acknowledged and never read back, or everything
    // after a factory reset, until a later write or snapshot tells again.
    std::array<bool, kSettings.size()> known{};
    std::vector<Divergence> divergences;
    bool complete() const;
};

// Replays events (oldest first, from a snapshot on): each entry sets its
// setting to what the controller showed at the next read, or else, when
// acknowledged, to the value sent. Each later snapshot is what the controller
// showed then: it settles what was unknown, and where it differs from a known
// value that difference is a divergence (something the journal did not see
// changed the controller). The controller command changes no setting but a
// factory reset, after which every setting is unknown.
ReplayResult replay(const std::vector<HistoryEvent>& events);

}  // namespace tarvex::history
