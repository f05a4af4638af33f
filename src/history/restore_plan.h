// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>
#include <vector>

#include "history/history_types.h"

namespace tarvex::history {

// Restoring a whole snapshot sends its 28 settings in settings-file order, as
// File > Open sends a file: snapshot_values(snapshot) is the array that
// send_and_confirm takes.

// The writes that restore one setting of a snapshot. An engine-speed byte
// brings its pair (low byte first), since one speed is one row of the
// comparison. With a mask, only those bits come from the snapshot and the
// others stay as the controller shows them now (a bit of Options, a half of
// LambdaType); a pair ignores the mask. Nothing for a code that is no setting.
std::vector<SettingWrite> restore_setting(const Snapshot& snapshot, std::uint8_t code,
                                          const SettingValues& now, std::uint8_t mask = 0xFF);

}  // namespace tarvex::history
