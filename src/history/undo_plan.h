// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>
#include <optional>
#include <vector>

#include "history/history_types.h"

namespace tarvex::history {

// A setting the controller no longer shows as the change sent it.
struct Difference {
    std::uint8_t code = 0;
    std::uint8_t sent = 0;
    std::uint8_t shown_now = 0;
    bool operator==(const Difference&) const = default;
};

// What undoing the last change takes.
struct UndoPlan {
    enum class Outcome {
        Nothing,     // no change is left to undo
        Writes,      // send `writes`
        CannotUndo,  // the last change is a factory reset without a snapshot before it
    };
    Outcome outcome = Outcome::Nothing;
    std::int64_t change_id = 0;  // the change to undo (also for CannotUndo)
    ChangeSource source = ChangeSource::Unnamed;
    // The writes that put back what the controller had before the change, in
    // the order its own writes went (an engine-speed pair low byte first, a
    // file's settings in file order). For a factory reset: the 28 settings of
    // the snapshot taken before it, in settings-file order, and its id.
    std::vector<SettingWrite> writes{};
    std::optional<std::int64_t> snapshot_id{};
    // The settings the controller shows otherwise than the change sent them:
    // when not empty, ask before sending. (Never for a factory reset: what the
    // controller's factory settings are is not known here.)
    std::vector<Difference> differs{};
    // Settings of the change whose previous value was not known (not read since
    // the link came up when they were sent); they are not in `writes`.
    std::vector<std::uint8_t> unknown_before{};
    bool operator==(const UndoPlan&) const = default;
};

// Plans undoing the newest change that is not undone yet, from the changes
// newest first and the settings the controller shows now. Settings the
// change sent as they already were are left out. Skipped: changes
// already undone, undos themselves (undo does not undo an undo; repeated undo
// walks further back), and changes that wrote no setting (the learning run).
// The change that carries out the plan must say that it undoes change_id
// (HistoryJournal::begin_change with ChangeLinks::undoes), so that the next
// plan walks past it.
UndoPlan plan_undo(const std::vector<Change>& newest_first, const SettingValues& now);

}  // namespace tarvex::history
